#pragma once

#include "sandbox/Sandbox.h"
#include "sandbox/SandboxSession.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {
class SetupAssistant;
}

namespace sandbox {

// The road of one installation on a sandbox: the setup assistant with the Enroller's page, the
// stand-in server, launchd and daemon, and the menu-bar application that launchd relaunches.
// Interactive on a display of the user's; automatic (answering every dialog, printing each step
// and saving a screenshot of it) otherwise. Managed: the administrator has set the server's address
// and the login, so the page comes filled in and the user types only the password.
class Tour
{
public:
    Tour(const QString &root, bool automatic, bool managed = false);
    int run();

private:
    int runInteractive(platform::SetupAssistant &assistant);
    int runAutomatic(platform::SetupAssistant &assistant);
    bool step(int number, const QString &text, bool ok = true);
    void say(const QString &text) const;
    void shoot(QWidget *widget, const QString &name);
    void shootScreen(const QString &name, const QString &geometry);
    void answerAlertsAutomatically();
    bool openTrayMenu();

    Sandbox m_box;
    SandboxSession m_session;
    bool m_automatic;
    bool m_managed;
    QString m_shots;
    QStringList m_alerts;
    int m_shotCount = 0;
};

} // namespace sandbox
