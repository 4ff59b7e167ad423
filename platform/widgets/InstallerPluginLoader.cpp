#include "platform/widgets/InstallerPluginLoader.h"

#include "platform/widgets/InstallerPlugin.h"

#include <QFileInfo>
#include <QLibrary>

namespace platform {

InstallerPluginError::InstallerPluginError(QString message)
    : m_message(std::move(message))
    , m_what(m_message.toUtf8())
{}

InstallerPluginLoader::InstallerPluginLoader(QStringList candidates)
    : m_candidates(std::move(candidates))
{}

QString InstallerPluginLoader::pluginPath() const
{
    for (const QString &candidate : m_candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

std::unique_ptr<InstallerPane> InstallerPluginLoader::createPane(const void *dependencies) const
{
    const QString path = pluginPath();
    if (path.isEmpty()) {
        throw InstallerPluginError(
            QStringLiteral("The plug-in was not found. Looked for:\n%1").arg(m_candidates.join(u'\n')));
    }
    // Never unloaded: QLibrary's destructor leaves the library in memory.
    QLibrary library(path);
    if (!library.load())
        throw InstallerPluginError(QStringLiteral("The plug-in did not load: %1").arg(library.errorString()));
    auto factory = reinterpret_cast<InstallerPaneFactory>(library.resolve(kInstallerPaneFactorySymbol));
    if (!factory) {
        throw InstallerPluginError(QStringLiteral("The plug-in %1 has no %2 function.")
                                       .arg(path, QString::fromLatin1(kInstallerPaneFactorySymbol)));
    }
    std::unique_ptr<InstallerPane> pane(factory(dependencies));
    if (!pane || !pane->contentView())
        throw InstallerPluginError(QStringLiteral("The plug-in %1 made no page.").arg(path));
    return pane;
}

} // namespace platform
