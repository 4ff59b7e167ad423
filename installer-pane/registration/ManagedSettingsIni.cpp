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

// A value: escapes, quotes, and the blanks around it dropped; an unquoted comma makes it a list.
class ValueReader
{
public:
    explicit ValueReader(QByteArrayView text)
        : m_text(text)
    {}

    // True when it is a list, whose items are then in list.
    bool read(QString &value, QStringList &list)
    {
        skipBlanks();
        bool chopAtEnd = true;
        while (m_i < m_text.size()) {
            const char c = m_text[m_i];
            if (c == '\\' && !escape()) {
                chopAtEnd = false; // QSettings stops there, blanks and all
                break;
            }
            if (c == '"')
                quote();
            else if (c == ',' && !m_inQuotes)
                nextItem();
            else if (c != '\\')
                takeRun();
        }
        if (chopAtEnd && !m_quoted)
            chopBlanks();
        if (m_isList)
            m_list.append(m_value);
        value = m_value;
        list = m_list;
        return m_isList;
    }

private:
    void skipBlanks()
    {
        while (m_i < m_text.size() && (m_text[m_i] == ' ' || m_text[m_i] == '\t'))
            ++m_i;
        m_chopLimit = m_value.size();
    }

    void chopBlanks()
    {
        while (m_value.size() > m_chopLimit && (m_value.back() == u' ' || m_value.back() == u'\t'))
            m_value.chop(1);
    }

    // The escape at the backslash at m_i; false when the text ends within it.
    bool escape()
    {
        static constexpr char kEscapes[] = "abfnrtv\"?'\\";
        static constexpr char16_t kEscaped[] = u"\a\b\f\n\r\t\v\"?'\\";
        if (++m_i == m_text.size())
            return false;
        const char escape = m_text[m_i++];
        const char *simple = escape ? std::strchr(kEscapes, escape) : nullptr;
        const bool hex = escape == 'x';
        if (simple) {
            m_value += QChar(kEscaped[simple - kEscapes]);
        } else if (hex || (escape >= '0' && escape <= '7')) {
            // "\x" without a digit after it stands for nothing.
            if ((hex && m_i == m_text.size()) || ((!hex || digitValue(m_text[m_i], 16) >= 0) &&
                                                  !numeric(hex ? u'\0' : char16_t(escape - '0'), hex ? 16 : 8)))
                return false;
        } else if ((escape == '\n' || escape == '\r') && m_i < m_text.size() &&
                   (m_text[m_i] == '\n' || m_text[m_i] == '\r') && m_text[m_i] != escape) {
            ++m_i; // the escaped line end is two characters long
        }
        m_chopLimit = m_value.size();
        return true;
    }

    // The digits of a \x or octal escape from m_i on; false when the text ends in them.
    bool numeric(char16_t code, int base)
    {
        for (int digit = 0; m_i < m_text.size() && (digit = digitValue(m_text[m_i], base)) >= 0; ++m_i)
            code = char16_t(code * base + digit);
        m_value += QChar(code);
        return m_i < m_text.size();
    }

    void quote()
    {
        ++m_i;
        m_quoted = true;
        m_inQuotes = !m_inQuotes;
        if (!m_inQuotes)
            skipBlanks();
    }

    void nextItem()
    {
        if (!m_quoted)
            chopBlanks();
        m_isList = true;
        m_list.append(m_value);
        m_value.clear();
        m_quoted = false;
        ++m_i;
        skipBlanks();
    }

    // Text up to the next character that means something.
    void takeRun()
    {
        qsizetype end = m_i + 1;
        while (end < m_text.size() && m_text[end] != '\\' && m_text[end] != '"' && m_text[end] != ',')
            ++end;
        m_value += m_fromUtf8(m_text.sliced(m_i, end - m_i));
        m_i = end;
    }

    QByteArrayView m_text;
    QStringDecoder m_fromUtf8{QStringDecoder::Utf8}; // one decoder, as Qt's: a sequence cut by an escape goes on
    QString m_value;
    QStringList m_list;
    qsizetype m_i = 0;
    qsizetype m_chopLimit = 0;
    bool m_inQuotes = false;
    bool m_quoted = false;
    bool m_isList = false;
};

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
            QString value;
            QStringList list;
            const bool isList =
                ValueReader(text.sliced(line.equals + 1, line.start + line.length - line.equals - 1)).read(value, list);
            settings.values.insert(it.key() + unescapedKey(key), isList ? QVariant(list) : variantOf(value));
        }
    }
    return settings;
}

} // namespace installer
