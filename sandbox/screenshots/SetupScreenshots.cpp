// Shows the setup assistant in one state for a screenshot, on a registration that always succeeds,
// and prints the window id once it is up. Run by take-setup-screenshots.
// Usage: setup-screenshots new|re|finish [LANGUAGE]
#include "installer-pane/ui/ReRegistrationView.h"
#include "installer-pane/ui/RegistrationPane.h"
#include "installer-pane/ui/RegistrationView.h"
#include "platform/AlertPresenter.h"
#include "platform/Translations.h"
#include "platform/installer-host/SetupAssistant.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

namespace {

struct SucceedingRegistration : installer::AgentRegistration
{
    void registerWithAddress(const QString &, const QString &, const QString &, const QString &) override {}
    void reRegisterWithAgentGuid(const QString &, const QString &, const QString &, const QString &,
                                 const QString &) override
    {}
};

struct SilentAlerts : platform::AlertPresenter
{
    int runModal(const platform::Alert &) override { return platform::kAlertFirstButtonReturn; }
};

// What a user would have typed; the name field already holds the host name.
void fill(const installer::RegistrationForm &form)
{
    form.addressTextField()->setText(QStringLiteral("backup.example.com"));
    form.loginTextField()->setText(QStringLiteral("admin"));
    form.passwordTextField()->setText(QStringLiteral("secret"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QString state = application.arguments().value(1);
    if (state != "new" && state != "re" && state != "finish") {
        QTextStream(stderr) << "usage: setup-screenshots new|re|finish [LANGUAGE]\n";
        return 2;
    }
    const QString language = platform::installTranslations({application.arguments().value(2, "en")});

    auto pane =
        std::make_unique<installer::RegistrationPane>(installer::FormServices{
                                                          [] { return std::make_unique<SucceedingRegistration>(); },
                                                          std::make_shared<SilentAlerts>(),
                                                          [] { return QStringLiteral("studio-mac"); },
                                                      },
                                                      installer::paneStringsTable(language));
    installer::RegistrationPane *registration = pane.get();
    platform::SetupAssistant assistant(std::move(pane));
    assistant.resize(640, 470);
    assistant.show();
    assistant.next();

    if (state == "re") {
        registration->reRegisterButton()->click();
        registration->reRegistrationView()->agentGuidTextField()->setText("3f2a9c4e-7b1d-4e8a-9c55-0d6e21f4a7b3");
        fill(*registration->reRegistrationView());
    } else {
        fill(*registration->registrationView());
        if (state == "finish") {
            registration->registrationView()->registerButton()->click();
            assistant.next();
        }
    }

    QTimer::singleShot(0, &assistant, [&assistant] { QTextStream(stdout) << assistant.winId() << Qt::endl; });
    return application.exec();
}
