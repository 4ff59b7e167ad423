#pragma once

#include "AlertPresenter.h"
#include "LogSink.h"
#include "ProcessRunner.h"
#include "ServicesController.h"
#include "UrlOpener.h"

#include <QTemporaryDir>

// Answers the process table with or without the daemon and records administrator commands.
struct FakeRunner : menubar::ProcessRunner
{
    bool daemonRunning = false;
    QStringList rootCommands;

    QString executeProcess(const QString &, const QStringList &) override
    {
        return daemonRunning ? QStringLiteral("COMM\nlaunchd\nqmx-osagent\n") : QStringLiteral("COMM\nlaunchd\n");
    }
    QString executeAsRoot(const QString &command) override { return rootCommands.append(command), QString(); }
};

struct FakeAlertPresenter : platform::AlertPresenter
{
    int answer = platform::kAlertFirstButtonReturn;
    QList<platform::Alert> shown;
    int runModal(const platform::Alert &alert) override { return shown.append(alert), answer; }
};

struct FakeUrlOpener : platform::UrlOpener
{
    QList<QUrl> opened;
    bool openUrl(const QUrl &url) override { return opened.append(url), false; }
};

// The collaborators of a real controller; no configuration file, so it never starts the daemon by itself.
struct ControllerFakes
{
    FakeRunner runner;
    platform::CapturingLogSink log;
    FakeAlertPresenter alerts;
    FakeUrlOpener urlOpener;
    QTemporaryDir directory;

    menubar::ServicesController::Dependencies dependencies()
    {
        contract::AgentPaths paths;
        paths.installedConfigFile = directory.filePath(QStringLiteral("missing.cfg"));
        paths.logDirectory = directory.filePath(QStringLiteral("logs"));
        return {runner, log, alerts, urlOpener, paths, std::chrono::milliseconds(10)};
    }
};
