// Shows the setup assistant in one state for a screenshot, on a fake registration that always
// succeeds, and prints the window id once it is up. Run by take-setup-screenshots.
#include "InstallerPanePage.h"
#include "InstallerUiFakes.h"
#include "SetupAssistant.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QString state = application.arguments().value(1);
    if (state != "new" && state != "re" && state != "finish") {
        QTextStream(stderr) << "usage: setup-screenshots new|re|finish\n";
        return 2;
    }

    RegistrationScript script;
    auto pane = std::make_unique<installer::RegistrationPane>(
        fakeServices(script, std::make_shared<FakeAlerts>(), QStringLiteral("studio-mac")));
    installer::RegistrationPane *registration = pane.get();
    platform::SetupAssistant assistant(std::move(pane));
    assistant.resize(640, 470);
    assistant.show();
    assistant.next();

    // What a user would have typed; the name field holds the host name from the entry.
    const QStringList values{"backup.example.com", "admin", "secret"};
    if (state == "re") {
        registration->reRegisterButton()->click();
        const QList<QLineEdit *> fields = fieldsOf(*registration, Form::Re);
        fields[0]->setText("3f2a9c4e-7b1d-4e8a-9c55-0d6e21f4a7b3");
        for (qsizetype i = 0; i < values.size(); ++i)
            fields[i + 1]->setText(values[i]);
    } else {
        const QList<QLineEdit *> fields = fieldsOf(*registration, Form::New);
        for (qsizetype i = 0; i < values.size(); ++i)
            fields[i]->setText(values[i]);
        if (state == "finish") {
            registration->registrationView()->registerButton()->click();
            assistant.next();
        }
    }

    QTimer::singleShot(0, &assistant, [&assistant] { QTextStream(stdout) << assistant.winId() << Qt::endl; });
    return application.exec();
}
