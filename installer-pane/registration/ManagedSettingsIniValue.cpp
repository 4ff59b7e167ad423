#include "installer-pane/registration/ManagedSettingsIniValue.h"

#include <QStringDecoder>
#include <QStringList>

#include <cstring>

// QSettings' rules for a value in an INI file (qsettings.cpp in Qt 6: iniUnescapedStringList, stringToVariant).
namespace installer {

namespace {

int digitValue(char c, int base)
{
    const int value = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : 99;
    return value < base ? value : -1;
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

} // namespace

QVariant iniValue(QByteArrayView text)
{
    QString value;
    QStringList list;
    return ValueReader(text).read(value, list) ? QVariant(list) : variantOf(value);
}

} // namespace installer
