#pragma once

#include "platform/AlertPresenter.h"
#include "platform/UrlOpener.h"

#include <functional>

// Records every alert as one line and gives the scripted answer; whileShown looks at the program while it is up.
struct FakeAlertPresenter : platform::AlertPresenter
{
    int answer = platform::kAlertFirstButtonReturn;
    QStringList shown; // "style message|informative text|buttons"
    std::function<void()> whileShown = [] {};

    int runModal(const platform::Alert &alert) override
    {
        const char *styles[] = {"warning", "informational", "critical"};
        shown << QString("%1 %2|%3|%4")
                     .arg(styles[int(alert.style)], alert.messageText, alert.informativeText, alert.buttons.join(u'/'));
        whileShown();
        return answer;
    }
};

// Records every URL and reports failure, which callers must ignore.
struct FakeUrlOpener : platform::UrlOpener
{
    QList<QUrl> opened;
    bool openUrl(const QUrl &url) override
    {
        opened.append(url);
        return false;
    }
};
