#include "menubar-app/ui/BundleInfo.h"

#include <QFile>
#include <QXmlStreamReader>

namespace menubar {

namespace {

const QString kMainBundleResource = QStringLiteral(":/Info.plist");

// Reads the pairs of <key> and value elements of the dict that is the document's root object.
// Nested values are skipped whole, so their inner keys never reach the top level.
QHash<QString, QString> readTopLevelStrings(QXmlStreamReader &reader)
{
    QHash<QString, QString> strings;
    if (!reader.readNextStartElement() || reader.name() != u"plist")
        return {};
    if (!reader.readNextStartElement() || reader.name() != u"dict")
        return {};

    while (reader.readNextStartElement()) {
        if (reader.name() != u"key") {
            reader.skipCurrentElement();
            continue;
        }
        const QString key = reader.readElementText();
        if (!reader.readNextStartElement())
            break;
        if (reader.name() == u"string")
            strings.insert(key, reader.readElementText());
        else
            reader.skipCurrentElement();
    }
    if (reader.hasError())
        return {};
    return strings;
}

} // namespace

BundleInfo BundleInfo::fromPlist(const QByteArray &document)
{
    QXmlStreamReader reader(document);
    BundleInfo info;
    info.m_strings = readTopLevelStrings(reader);
    return info;
}

BundleInfo BundleInfo::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromPlist(file.readAll());
}

BundleInfo BundleInfo::mainBundle()
{
    return fromFile(kMainBundleResource);
}

std::optional<QString> BundleInfo::stringForKey(const QString &key) const
{
    const auto found = m_strings.constFind(key);
    if (found == m_strings.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace menubar
