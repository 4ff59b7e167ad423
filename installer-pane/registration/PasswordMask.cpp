#include "installer-pane/registration/PasswordMask.h"

#include <QSet>
#include <QStringView>

namespace installer {

namespace {

const QString kMask = QStringLiteral("********");

// How many characters from here on belong to the password: a whole copy, or the longest piece of at
// least kMaskedPieceLength characters; 0 when none. Pieces never split a surrogate pair.
qsizetype maskedLength(QStringView text, QStringView password, const QSet<QStringView> &pieces)
{
    if (text.startsWith(password))
        return password.size();
    if (text.size() < kMaskedPieceLength || !pieces.contains(text.first(kMaskedPieceLength)) ||
        text.front().isLowSurrogate())
        return 0;
    qsizetype length = kMaskedPieceLength;
    while (length < text.size() && password.contains(text.first(length + 1)))
        ++length;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return length >= kMaskedPieceLength ? length : 0;
}

} // namespace

QString maskPassword(const QString &text, const QString &password)
{
    if (password.isEmpty())
        return text;
    // Every piece of the first length, to pass over most of the text with one look-up each.
    QSet<QStringView> pieces;
    for (qsizetype at = 0; at + kMaskedPieceLength <= password.size(); ++at)
        pieces.insert(QStringView(password).sliced(at, kMaskedPieceLength));

    QString masked;
    masked.reserve(text.size());
    bool afterMask = false;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = maskedLength(QStringView(text).sliced(at), password, pieces);
        if (length == 0) {
            masked += text.at(at++);
            afterMask = false;
            continue;
        }
        if (!afterMask)
            masked += kMask;
        afterMask = true;
        at += length;
    }
    return masked;
}

} // namespace installer
