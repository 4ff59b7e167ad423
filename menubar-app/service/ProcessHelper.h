#pragma once

#include "menubar-app/service/ProcessRunner.h"

namespace menubar {

// The menu-bar application's runner. Administrator commands go through the AppleScript
// interpreter where there is one, and through pkexec and the system shell elsewhere.
class ProcessHelper : public ProcessRunner
{
public:
    struct Tools
    {
        QString osascript;
        QString pkexec;
        QString shell;
    };

    explicit ProcessHelper(Tools tools);

    QString executeProcess(const QString &processName, const QStringList &arguments) override;
    QString executeAsRoot(const QString &command) override;

private:
    QString executeThroughPkexec(const QString &command);

    Tools m_tools;
};

} // namespace menubar
