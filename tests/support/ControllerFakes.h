#pragma once

#include "menubar-app/service/ProcessError.h"
#include "menubar-app/service/ProcessRunner.h"
#include "menubar-app/service/ServicesController.h"
#include "platform/LogSink.h"
#include "tests/support/PlatformFakes.h"

inline const QString kRunningTable = QStringLiteral("COMM\nlaunchd\nqmx-osagent\n");
inline const QString kStoppedTable = QStringLiteral("COMM\nlaunchd\nqmx-osagentd\n");
// The start as the controller runs it as root.
inline const QString kStartCommand =
    QStringLiteral("launchctl start com.kelvane.osagent; sleep 3; sudo launchctl list | grep com.kelvane.osagent");

// What a ServicesController runs on. Each probe takes the next scripted process table, the last one repeats;
// a missing output is the runner's "Missing data". There is no configuration file unless one is named, so
// nothing starts at launch.
struct ControllerFakes : menubar::ProcessRunner, platform::LogSink
{
    QList<std::optional<QString>> tables{kStoppedTable};
    std::optional<QString> rootOutput = QStringLiteral("-\t6\tcom.kelvane.osagent\n");
    QList<QStringList> calls;
    QStringList log; // "I " or "E " and the line
    FakeAlertPresenter alerts;
    FakeUrlOpener urls;

    QString executeProcess(const QString &program, const QStringList &arguments) override
    {
        calls.append(QStringList{program} + arguments);
        return scripted(tables.size() > 1 ? tables.takeFirst() : tables.first());
    }
    QString executeAsRoot(const QString &command) override
    {
        calls.append({"root", command});
        return scripted(rootOutput);
    }
    static QString scripted(const std::optional<QString> &output)
    {
        return output ? *output : throw menubar::ProcessError::missingData();
    }
    void write(platform::LogLevel level, const QString &line) override
    {
        log << (level == platform::LogLevel::Error ? "E " : "I ") + line;
    }
    menubar::ServicesController::Dependencies dependencies(std::chrono::milliseconds checkInterval,
                                                           const QString &configFile = "/nonexistent/.qmx-osagent.cfg")
    {
        contract::AgentPaths paths;
        paths.installedConfigFile = configFile;
        return {*this, *this, alerts, urls, paths, checkInterval};
    }
};
