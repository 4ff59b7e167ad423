#pragma once

#include "platform/widgets/InstallerPane.h"

#include <QString>
#include <QStringList>

#include <exception>
#include <memory>

namespace platform {

// The plug-in is missing or did not give a pane; the message says which and where.
class InstallerPluginError : public std::exception
{
public:
    explicit InstallerPluginError(QString message);
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};

// Finds an installer plug-in among its possible locations and makes its pane. The library
// stays loaded until the process ends: the pane's code lives in it.
class InstallerPluginLoader
{
public:
    explicit InstallerPluginLoader(QStringList candidates);

    // The first candidate that exists, or empty.
    QString pluginPath() const;
    // Throws InstallerPluginError when no candidate exists, the library does not load, or it
    // does not make a pane.
    std::unique_ptr<InstallerPane> createPane(const void *dependencies = nullptr) const;

private:
    QStringList m_candidates;
};

} // namespace platform
