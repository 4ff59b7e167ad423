#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace installer {

// What the shipped program hands the enrol command: the process's standard streams and the console's user.

// The password on this input (standard input's descriptor, in the shipped program): everything up to its end or,
// from a terminal, the one line typed after the prompt, with echo off meanwhile. The prompt goes to the terminal
// itself, never to our output streams. The terminal's settings come back on every way out: the line, an end by
// INT, TERM, HUP or QUIT (raised again once they are back), a stop by TSTP (asked again after CONT).
QByteArray readStandardInput(int input, const QByteArray &prompt);
void writeStandardOutput(const QByteArray &bytes);
void writeStandardError(const QByteArray &bytes);

// The user logged in at the console: the owner of the console device, which root owns while no one is
// logged in (macOS's login window). None then, and when the device cannot be looked at.
std::optional<uint> consoleUserOf(const QString &consoleDevice);

// The users logged in, as the login records (utmpx) list them, root aside.
QList<uint> loggedInUsers();

} // namespace installer
