// libFuzzer targets: each executable is this file with FUZZ_TARGET naming one function below. Each checks
// properties of the result, so that a wrong answer fails as loudly as a crash.
#include "installer-pane/registration/ManagedSettings.h"
#include "installer-pane/registration/ManagedSettingsIni.h"
#include "installer-pane/registration/OutputExcerpt.h"
#include "installer-pane/registration/PasswordMask.h"
#include "menubar-app/service/ServicesController.h"
#include "platform/AdministratorShell.h"
#include "platform/Utf8.h"

#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <charconv>

// A broken property aborts, which libFuzzer reports, keeping the input.
#define REQUIRE(c) ((c) ? void() : qFatal("property broken: %s", #c))

namespace fuzz {

// A sign and ASCII digits within 64 bits, read by the standard library instead.
std::optional<qint64> strictInteger(QStringView field)
{
    const QByteArray bytes = field.toLatin1(); // what is not Latin-1 becomes '?', which no number holds
    const char *begin = bytes.cbegin() + (bytes.startsWith('+') && !bytes.startsWith("+-"));
    qint64 value = 0;
    const auto [end, error] = std::from_chars(begin, bytes.cend(), value);
    return begin != bytes.cend() && error == std::errc() && end == bytes.cend() ? std::optional(value) : std::nullopt;
}

void joblist(QByteArrayView input)
{
    const QString output = QString::fromUtf8(input);
    const menubar::StartServiceResult result = menubar::ServicesController::parseStartServiceOutput(output);
    const QList<QStringView> fields = QStringView(output).split(u'\t');
    REQUIRE(result.isServiceRunning == (fields.size() > 1 && strictInteger(fields[0])));
    REQUIRE(result.lastErrorCode == (fields.size() > 1 ? strictInteger(fields[1]).value_or(0) : 0));
}

// Tab and the space separators, listed out rather than asked of QChar.
const QStringView kBlanks =
    u"\t \u00a0\u1680\u2000\u2001\u2002\u2003\u2004\u2005\u2006\u2007\u2008\u2009\u200a\u202f\u205f\u3000";

void processtable(QByteArrayView input)
{
    const QString table = QString::fromUtf8(input), name = QStringLiteral("qmx-osagent");
    const auto isBlank = [](QChar c) { return kBlanks.contains(c); };
    bool expected = false;
    for (QStringView line : QStringView(table).split(u'\n')) {
        const qsizetype at = line.indexOf(name);
        expected |= at >= 0 && std::all_of(line.begin(), line.begin() + at, isBlank) &&
                    std::all_of(line.begin() + at + name.size(), line.end(), isBlank);
    }
    REQUIRE(menubar::ServicesController::processTableContains(table, name) == expected);
    REQUIRE(
        menubar::ServicesController::processTableContains(table + u"\n\u3000"_qs + name + u"\t\n"_qs + table, name));
}

const QString kOpening = QStringLiteral("do shell script \""),
              kClosing = QStringLiteral("\" with administrator privileges");

// The command in a "do shell script" literal as AppleScript reads it (\ escapes the next character); none when
// anything but the closing words follows the literal.
std::optional<QString> shellCommandOf(const QString &source)
{
    QString command;
    qsizetype i = kOpening.size();
    for (; i < source.size() && source[i] != u'"'; ++i)
        command += source[i] == u'\\' && i + 1 < source.size() ? source[++i] : source[i];
    return source.startsWith(kOpening) && source.sliced(i) == kClosing ? std::optional(command) : std::nullopt;
}

void applescript(QByteArrayView input)
{
    const QString command = QString::fromUtf8(input), escaped = platform::escapeDoubleQuotes(command);
    REQUIRE(QString(escaped).replace(u"\\\""_qs, u"\""_qs) == command);
    const QString installerSource = platform::administratorScriptSource(escaped);
    const QString menuBarSource = platform::administratorScriptSource(command); // its commands go in verbatim
    REQUIRE(installerSource == kOpening + escaped + kClosing && menuBarSource == kOpening + command + kClosing);
    // Neither rule escapes backslashes, and the menu bar's commands hold no quotes.
    REQUIRE(command.contains(u'\\') || shellCommandOf(installerSource) == command);
    REQUIRE(command.contains(u'\\') || command.contains(u'"') || shellCommandOf(menuBarSource) == command);
}

// Input: a repetition count, so that outputs pass the excerpt's length, then the output.
void message(QByteArrayView input)
{
    const QByteArray bytes =
        input.isEmpty() ? QByteArray() : input.sliced(1).toByteArray().repeated(1 + quint8(input[0]) % 32);
    // Decoded as both runners do: anything but whole, valid UTF-8 is no output.
    const std::optional<QString> output = platform::decodeUtf8(bytes);
    REQUIRE(output ? output->toUtf8() == bytes : QString::fromUtf8(bytes).toUtf8() != bytes);
    const QString excerpt = installer::outputExcerpt(output), kept = excerpt.mid(2);
    const qsizetype limit = installer::kOutputExcerptLength;
    if (!output || output->size() <= limit)
        REQUIRE(excerpt == output.value_or(QString()));
    else // the end, cut before a whole character
        REQUIRE(excerpt.startsWith(u"…\n") && output->endsWith(kept) &&
                (kept.size() == limit ||
                 (kept.size() == limit - 1 && output->at(output->size() - limit).isLowSurrogate())) &&
                !kept.front().isLowSurrogate());
    // The output goes into the message verbatim: a "%1" it holds is text, not a place to fill.
    REQUIRE(QStringLiteral("Process failed with exit code: %1\n\n%2").arg("7", excerpt) ==
            "Process failed with exit code: 7\n\n" + excerpt);
}

// Input: the password's length (the first byte, up to 23), the password, then the text.
void mask(QByteArrayView input)
{
    const qsizetype length = input.isEmpty() ? 0 : std::min<qsizetype>(quint8(input[0]) % 24, input.size() - 1);
    const QString password = QString::fromUtf8(input.sliced(std::min<qsizetype>(1, input.size())).first(length));
    const QString text = QString::fromUtf8(input.sliced(std::min<qsizetype>(1 + length, input.size())));
    const auto hasSurrogate = [](const QString &s) {
        return std::any_of(s.begin(), s.end(), [](QChar c) { return c.isSurrogate(); });
    };
    // The mask's own stars would read as pieces of a password that holds them.
    if (password.contains(u'*') || hasSurrogate(password) || hasSurrogate(text))
        return;
    const QString masked = installer::maskPassword(text, password);
    REQUIRE(password.isEmpty() || !masked.contains(password));
    bool anyPiece = !password.isEmpty() && text.contains(password);
    for (qsizetype at = 0; at + installer::kMaskedPieceLength <= password.size(); ++at) {
        const QStringView piece = QStringView(password).sliced(at, installer::kMaskedPieceLength);
        REQUIRE(!masked.contains(piece)); // every longer piece holds one of these
        anyPiece |= text.contains(piece);
    }
    REQUIRE(anyPiece || masked == text); // nothing is taken that is not the password's
}

// The managed settings file parsed in memory, against QSettings reading the same bytes from a file: the same
// format error (as QSettings reports it before any value is read), and the same value, or none, for each key
// the registration reads. An "@Type(…)" value is no string here, whatever QSettings makes of it.
void ini(QByteArrayView input)
{
    static const QTemporaryDir directory;
    static int count = 0;
    const QString path = directory.filePath(QString::number(++count)); // QSettings keeps what it read of a name
    QFile file(path);
    REQUIRE(file.open(QIODevice::WriteOnly) && file.write(input.data(), input.size()) == input.size());
    file.close();
    const QSettings settings(path, QSettings::IniFormat);
    const installer::IniSettings parsed = installer::parseIniSettings(input);
    REQUIRE(parsed.wellFormed == (settings.status() == QSettings::NoError));
    for (const QString &key : installer::managedSettingsKeys()) {
        const QVariant theirs = settings.value(key), ours = parsed.values.value(key);
        const bool theirString = theirs.typeId() == QMetaType::QString, ourString = ours.typeId() == QMetaType::QString;
        REQUIRE(settings.contains(key) == parsed.values.contains(key));
        REQUIRE(!ours.isValid() || ourString == theirString);
        REQUIRE(!ourString || theirs.toString() == ours.toString());
    }
    QFile::remove(path);
}

} // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FUZZ_TARGET(QByteArrayView(data, qsizetype(size)));
    return 0;
}
