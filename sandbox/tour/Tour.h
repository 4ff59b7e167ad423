#pragma once

#include "platform/widgets/InstallerPane.h"
#include "sandbox/Sandbox.h"
#include "sandbox/SandboxSession.h"

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace platform {
class SetupAssistant;
}

namespace sandbox {

// Two roads on a sandbox, each with the setup assistant showing the Enroller's page, the stand-in
// server, launchd and daemon, and the menu-bar application. On the first the user registers on the
// page, and launchd relaunches the application; on the second ("page skipped") the page is cancelled,
// and the application, started unenrolled, opens its registration window by itself. Interactive on a
// display of the user's; automatic (answering every dialog, printing each step and saving a screenshot
// of it) otherwise. Managed: the administrator has set the server's address and the login, so the page
// comes filled in and the user types only the password.
class Tour
{
public:
    Tour(const QString &root, bool automatic, bool managed = false);
    int run();
    // The third road, with no window at all: osagent-enroll as a device-management script runs it, printed as a
    // transcript of the commands and what they said (TourEnroll.cpp).
    int runEnrollCommand();
    // A sandbox to try osagent-enroll in by hand: the server up, and a shell in which the command is the
    // sandbox's, until that shell ends.
    int runHandsOn();

private:
    std::unique_ptr<platform::InstallerPane> newPane() const;
    int runInteractive(platform::SetupAssistant &assistant);
    int runAutomatic(platform::SetupAssistant &assistant);
    int runPageSkippedInteractive();
    int runPageSkippedAutomatic();
    // Stops the application and the daemon, and takes away the configuration and the application's
    // settings: a machine that has just been installed, for a user who has never logged in.
    void resetMachine();
    // Moves the previous walk's screenshots out of the sandbox, which is about to be laid out anew.
    void keepEarlierScreenshots() const;
    void road(const QString &title, int steps);
    bool step(int number, const QString &text, bool ok = true);
    void say(const QString &text) const;
    void shoot(QWidget *widget, const QString &name);
    void shootScreen(const QString &name, const QString &geometry);
    void answerAlertsAutomatically();
    // What the one root command of a registration does, in a line; its whole text is in the sandbox's
    // authorise.log, whose path the tour prints once.
    static QString rootCommandSummary();
    qsizetype rootCommandCount() const;
    // Opens the menu of the tray item of the program with this class name.
    bool openTrayMenu(const QString &programClass);
    // One step of the third road: runs osagent-enroll in the sandbox as root, shows the command line and what it
    // printed, and whether it ended with the status expected.
    bool enrollStep(int number, const QString &text, const QStringList &arguments, int expected,
                    const QByteArray &password = {});

    Sandbox m_box;
    SandboxSession m_session;
    bool m_automatic;
    bool m_managed;
    QString m_shots;
    QStringList m_alerts;
    int m_shotCount = 0;
    int m_steps = 0;
};

} // namespace sandbox
