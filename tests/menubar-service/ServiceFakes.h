#pragma once

#include "AlertPresenter.h"
#include "ProcessError.h"
#include "ProcessRunner.h"
#include "UrlOpener.h"

#include <QList>

#include <functional>
#include <optional>

// Scripted process table and administrator shell. A nullopt output is thrown as "Missing data".
// Each probe takes the next scripted table; the last one repeats.
struct FakeProcessRunner : menubar::ProcessRunner
{
    QList<std::optional<QString>> tables{QString("COMM\nlaunchd\n")};
    std::optional<QString> rootOutput = QString("4321\t0\tcom.kelvane.osagent\n");
    QList<QStringList> calls;

    QString executeProcess(const QString &processName, const QStringList &arguments) override
    {
        calls.append(QStringList{processName} + arguments);
        return orMissingData(tables.size() > 1 ? tables.takeFirst() : tables.first());
    }
    QString executeAsRoot(const QString &command) override
    {
        calls.append({"root", command});
        return orMissingData(rootOutput);
    }
    static QString orMissingData(const std::optional<QString> &output)
    {
        if (!output)
            throw menubar::ProcessError::missingData();
        return *output;
    }
};

struct FakeAlertPresenter : platform::AlertPresenter
{
    int answer = platform::kAlertSecondButtonReturn;
    QList<platform::Alert> shown;
    std::function<void()> whileShown;

    int runModal(const platform::Alert &alert) override
    {
        shown.append(alert);
        if (whileShown)
            whileShown();
        return answer;
    }
};

struct FakeUrlOpener : platform::UrlOpener
{
    QList<QUrl> opened;
    bool openUrl(const QUrl &url) override
    {
        opened.append(url);
        return false;
    }
};
