#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace installer {

// What the shipped program hands the enrol command: the process's standard streams and the console's user.

// Everything up to the end of standard input.
QByteArray readStandardInput();
void writeStandardOutput(const QByteArray &bytes);
void writeStandardError(const QByteArray &bytes);

// The user logged in at the console: the owner of the console device, which root owns while no one is
// logged in (macOS's login window). None then, and when the device cannot be looked at.
std::optional<uint> consoleUserOf(const QString &consoleDevice);

} // namespace installer
