#include "installer-pane/registration/ManagedSettingsIni.h"

#include "installer-pane/registration/ManagedSettingsIniValue.h"

#include <QMap>
#include <QStringList>

// The rules are QSettings' own for INI files (qsettings.cpp in Qt 6: readIniFile, readIniSection, readIniLine,
// iniUnescapedKey; the values' in ManagedSettingsIniValue.cpp), so that a file reads here as it reads anywhere Qt
// reads it; the fuzz target "ini" compares the two.
namespace installer {

namespace {

bool isLineBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

struct Line
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1; // the first '=' outside quotes, or -1
};

// One line being read: from its first character that is not blank to its end, which a line end inside quotes
// or after a backslash does not make, or to a ';' outside quotes. A ';' that begins a line makes the rest of it
// a comment, which is skipped.
struct LineScan
{
    QByteArrayView data;
    qsizetype start = 0;
    qsizetype i = 0;
    qsizetype equals = -1;
    bool inQuotes = false;

    // Takes the character at i - 1; false when the line ended before it.
    bool take(char c)
    {
        switch (c) {
        case '=':
            if (!inQuotes && equals < 0)
                equals = i - 1;
            return true;
        case '"':
            inQuotes = !inQuotes;
            return true;
        case '\\':
            skipEscaped();
            return true;
        case '\n':
        case '\r':
            if (i == start + 1) {
                ++start; // a blank line before this one
                return true;
            }
            return inQuotes || endBefore();
        case ';':
            if (i == start + 1) {
                skipComment();
                return true;
            }
            return inQuotes || endBefore();
        default:
            return true;
        }
    }

    // The line ends before the character just taken.
    bool endBefore()
    {
        --i;
        return false;
    }

    void skipEscaped()
    {
        if (i == data.size())
            return;
        const char escaped = data[i++];
        if (i < data.size() && ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n')))
            ++i;
    }

    void skipComment()
    {
        while (i < data.size() && data[i] != '\n' && data[i] != '\r')
            ++i;
        while (i < data.size() && isLineBlank(data[i]))
            ++i;
        start = i;
    }
};

// The next line from pos; false at the end of the data.
bool nextLine(QByteArrayView data, qsizetype &pos, Line &line)
{
    LineScan scan{data, pos, pos};
    while (scan.start < data.size() && isLineBlank(data[scan.start]))
        ++scan.start;
    scan.i = scan.start;
    while (scan.i < data.size() && scan.take(data[scan.i++])) {
    }
    pos = scan.i;
    line = {scan.start, scan.i - scan.start, scan.equals};
    return line.length > 0;
}

// A key or a section's name: "%XX" and "%UXXXX" stand for the character with that code, '\' for '/'.
QString unescapedKey(QByteArrayView key)
{
    const QString decoded = QString::fromUtf8(key);
    QString result;
    qsizetype i = 0;
    while (i < decoded.size()) {
        const QChar c = decoded[i];
        if (c == u'\\' || c != u'%' || i == decoded.size() - 1) {
            result += c == u'\\' ? QChar(u'/') : c;
            ++i;
            continue;
        }
        const bool wide = decoded[i + 1] == u'U';
        const qsizetype first = i + 1 + (wide ? 1 : 0), digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code =
            first + digits <= decoded.size() ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : ushort(0);
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

// The text of each section, a section given more than once as one: a section's name ends in '/', the general
// section's is empty. False in wellFormed for a section's name without its ']'.
QMap<QString, QByteArray> sectionsOf(QByteArrayView data, bool &wellFormed)
{
    QMap<QString, QByteArray> sections;
    QString section;
    qsizetype sectionStart = 0, pos = 0;
    const auto takeSection = [&](qsizetype end) {
        QByteArray &text = sections[section];
        if (!text.isEmpty())
            text += '\n';
        text.append(data.sliced(sectionStart, end - sectionStart));
    };
    Line line;
    while (nextLine(data, pos, line)) {
        const QByteArrayView text = data.sliced(line.start, line.length);
        if (!text.startsWith('['))
            continue;
        takeSection(line.start);
        qsizetype close = text.indexOf(']');
        wellFormed &= close >= 0;
        const QByteArrayView name = text.first(close < 0 ? text.size() : close).sliced(1).trimmed();
        if (name.compare("general", Qt::CaseInsensitive) == 0)
            section.clear();
        else if (name.compare("%general", Qt::CaseInsensitive) == 0)
            section = QString::fromLatin1(name.sliced(1)) + u'/';
        else
            section = unescapedKey(name) + u'/';
        sectionStart = pos;
    }
    takeSection(data.size());
    return sections;
}

} // namespace

IniSettings parseIniSettings(QByteArrayView data)
{
    IniSettings settings;
    if (data.startsWith("\xef\xbb\xbf"))
        data = data.sliced(3);
    const QMap<QString, QByteArray> sections = sectionsOf(data, settings.wellFormed);
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        const QByteArrayView text = it.value();
        qsizetype at = 0;
        Line line;
        while (nextLine(text, at, line)) {
            if (line.equals < 0)
                continue; // no key: as QSettings, which reports this only once it has read the values
            const QByteArrayView key = text.sliced(line.start, line.equals - line.start).trimmed();
            settings.values.insert(it.key() + unescapedKey(key),
                                   iniValue(text.sliced(line.equals + 1, line.start + line.length - line.equals - 1)));
        }
    }
    return settings;
}

} // namespace installer
