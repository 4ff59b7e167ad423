#pragma once

#include "menubar-app/service/ProcessRunner.h"

#include <functional>

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

    // The output of a child started earlier: blocks until the child has ended and throws as executeProcess does.
    using StartedProcess = std::function<QString()>;

    explicit ProcessHelper(Tools tools);

    // executeProcess in two halves: the child starts now, its output is collected when the result is called.
    // Never throws itself: a child that could not start fails when collected.
    static StartedProcess startProcess(const QString &processName, const QStringList &arguments);

    QString executeProcess(const QString &processName, const QStringList &arguments) override;
    QString executeAsRoot(const QString &command) override;

private:
    QString executeThroughPkexec(const QString &command);

    Tools m_tools;
};

} // namespace menubar
