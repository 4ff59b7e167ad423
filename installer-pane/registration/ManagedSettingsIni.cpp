#include "installer-pane/registration/ManagedSettingsIni.h"

#include <QMap>
#include <QStringDecoder>
#include <QStringList>

#include <cstring>

// The rules are QSettings' own for INI files (qsettings.cpp in Qt 6: readIniFile, readIniSection, readIniLine,
// iniUnescapedKey, iniUnescapedStringList, stringToVariant), so that a file reads here as it reads anywhere Qt
// reads it; the fuzz target "ini" compares the two.
namespace installer {

namespace {

bool isLineBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int digitValue(char c, int base)
{
    const int value = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : 99;
    return value < base ? value : -1;
}

struct Line
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1; // the first '=' outside quotes, or -1
};

// The next line from pos: from its first character that is not blank to its end, which a line end inside quotes
// or after a backslash does not make, or to a ';' outside quotes. A ';' that begins a line makes the rest of it a
// comment, which is skipped. False at the end of the data.
bool nextLine(QByteArrayView data, qsizetype &pos, Line &line)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    qsizetype start = pos;
    while (start < size && isLineBlank(data[start]))
        ++start;
    qsizetype i = start;
    while (i < size) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && line.equals < 0)
                line.equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char escaped = data[i++];
                if (i < size && ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < size && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < size && isLineBlank(data[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.start = start;
    line.length = i - start;
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

void chopBlanks(QString &value, qsizetype limit)
{
    while (value.size() > limit && (value.back() == u' ' || value.back() == u'\t'))
        value.chop(1);
}

// A value: escapes, quotes, and the blanks around it dropped. True when an unquoted comma makes it a list, whose
// items are then in list.
bool unescapedValue(QByteArrayView text, QString &value, QStringList &list)
{
    static constexpr char kEscapes[] = "abfnrtv\"?'\\";
    static constexpr char16_t kEscaped[] = u"\a\b\f\n\r\t\v\"?'\\";
    QStringDecoder fromUtf8(QStringDecoder::Utf8); // one decoder, as Qt's: a sequence cut by an escape goes on after
    bool isList = false, inQuotes = false, quoted = false, chopAtEnd = true;
    qsizetype i = 0, chopLimit = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        chopLimit = value.size();
    };
    // The digits of a \x or octal escape from i on; false when the text ends in them.
    const auto numericEscape = [&](char16_t code, int base) {
        for (; i < text.size(); ++i) {
            const int digit = digitValue(text[i], base);
            if (digit < 0)
                break;
            code = char16_t(code * base + digit);
        }
        value += QChar(code);
        return i < text.size();
    };
    skipBlanks();
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\\') {
            if (++i == text.size()) {
                chopAtEnd = false;
                break;
            }
            const char escape = text[i++];
            const char *simple = escape ? std::strchr(kEscapes, escape) : nullptr;
            if (simple) {
                value += QChar(kEscaped[simple - kEscapes]);
            } else if (escape == 'x') {
                if (i == text.size() || (digitValue(text[i], 16) >= 0 && !numericEscape(0, 16))) {
                    chopAtEnd = false;
                    break;
                }
            } else if (escape >= '0' && escape <= '7') {
                if (!numericEscape(char16_t(escape - '0'), 8)) {
                    chopAtEnd = false;
                    break;
                }
            } else if ((escape == '\n' || escape == '\r') && i < text.size() && (text[i] == '\n' || text[i] == '\r') &&
                       text[i] != escape) {
                ++i;
            }
            chopLimit = value.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == ',' && !inQuotes) {
            if (!quoted)
                chopBlanks(value, chopLimit);
            isList = true;
            list.append(value);
            value.clear();
            quoted = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype end = i + 1;
            while (end < text.size() && text[end] != '\\' && text[end] != '"' && text[end] != ',')
                ++end;
            value += fromUtf8(text.sliced(i, end - i));
            i = end;
        }
    }
    if (chopAtEnd && !quoted)
        chopBlanks(value, chopLimit);
    if (isList)
        list.append(value);
    return isList;
}

// A value that is not a list: "@String(…)" and "@@…" are strings too; the other "@Type(…)" forms are not.
QVariant variantOf(const QString &text)
{
    if (text.startsWith(u'@') && text.endsWith(u')')) {
        if (text.startsWith(u"@String("))
            return text.sliced(8).chopped(1);
        for (const char16_t *type : {u"@ByteArray(", u"@Variant(", u"@DateTime(", u"@Rect(", u"@Size(", u"@Point("}) {
            if (text.startsWith(QStringView(type)))
                return {};
        }
        if (text == u"@Invalid()")
            return {};
    }
    return text.startsWith(u"@@") ? text.sliced(1) : text;
}

} // namespace

IniSettings parseIniSettings(QByteArrayView data)
{
    IniSettings settings;
    if (data.startsWith("\xef\xbb\xbf"))
        data = data.sliced(3);

    // The text of each section, a section given more than once as one; a section's name ends in '/', the
    // general section's is empty.
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
        if (close < 0) {
            settings.wellFormed = false;
            close = text.size();
        }
        const QByteArrayView name = text.first(close).sliced(1).trimmed();
        if (name.compare("general", Qt::CaseInsensitive) == 0)
            section.clear();
        else if (name.compare("%general", Qt::CaseInsensitive) == 0)
            section = QString::fromLatin1(name.sliced(1)) + u'/';
        else
            section = unescapedKey(name) + u'/';
        sectionStart = pos;
    }
    takeSection(data.size());

    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        const QByteArrayView text = it.value();
        qsizetype at = 0;
        while (nextLine(text, at, line)) {
            if (line.equals < 0)
                continue; // no key: as QSettings, which reports this only once it has read the values
            const QByteArrayView key = text.sliced(line.start, line.equals - line.start).trimmed();
            QString value;
            QStringList list;
            const bool isList =
                unescapedValue(text.sliced(line.equals + 1, line.start + line.length - line.equals - 1), value, list);
            settings.values.insert(it.key() + unescapedKey(key), isList ? QVariant(list) : variantOf(value));
        }
    }
    return settings;
}

} // namespace installer
