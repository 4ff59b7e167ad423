#pragma once

#include <QString>

namespace installer {

// The shortest piece of a password that is taken out of text we show: shorter ones are too common in
// ordinary words to be told from them.
inline constexpr qsizetype kMaskedPieceLength = 4;

// The text with the password taken out, each run of it replaced by one "********": every whole copy,
// and every piece of kMaskedPieceLength characters or more, so that a copy cut short (at the edge of
// an excerpt, or by the daemon) gives nothing away either. Applied to what others wrote (the daemon's
// output), never to our own messages, whose words a password may share.
QString maskPassword(const QString &text, const QString &password);

} // namespace installer
