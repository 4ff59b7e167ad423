#include "installer-pane/ui/RegistrationPane.h"
#include "menubar-app/ui/AppMenu.h"
#include "menubar-app/ui/MainApp.h"
#include "platform/widgets/InstallerPaneWindow.h"
#include "tests/support/ControllerFakes.h"

#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace menubar;
using namespace std::chrono_literals;

namespace {

// Installs the configuration as the page's registration does. (A refused one: tst_road, on the installer's page.)
struct Registration : installer::AgentRegistration
{
    using S = const QString &;
    explicit Registration(QString configFile)
        : configFile(std::move(configFile))
    {}
    void registerWithAddress(S, S, S, S) override { QFile(configFile).open(QIODevice::WriteOnly); }
    void reRegisterWithAgentGuid(S, S, S, S, S) override {}
    QString configFile;
};

// The application on fakes, started as often as a test likes on one user's settings and one machine.
struct Machine
{
    QTemporaryDir dir;
    QString configFile = dir.filePath(".qmx-osagent.cfg");
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    ControllerFakes fakes;
    std::shared_ptr<FakeAlertPresenter> pageAlerts = std::make_shared<FakeAlertPresenter>();

    Machine() { fakes.rootOutput = "4321\t0\tcom.kelvane.osagent\n"; }

    std::unique_ptr<MainApp> start()
    {
        const installer::FormServices services{[this] { return std::make_unique<Registration>(configFile); },
                                               pageAlerts, [] { return "mac"; }};
        return std::make_unique<MainApp>(MainApp::Dependencies{
            fakes.dependencies(1h, configFile), BundleInfo::mainBundle(), [] {}, [] { return false; }, settings,
            [services] { return std::make_unique<installer::RegistrationPane>(services, QString()); }});
    }
};

bool windowShown(const MainApp &app)
{
    return app.registrationOffer().window() && app.registrationOffer().window()->isVisible();
}

} // namespace

// The Enroller's page in the menu-bar application's own window, while the machine is not enrolled.
class RegistrationWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // Never while enrolled; at the first start without a configuration, titled with the application's name;
    // never again by itself, but whenever the user picks the entry.
    void windowOpensByItselfOnceForEachUser()
    {
        Machine machine;
        QStringList starts;
        std::unique_ptr<MainApp> app;
        for (bool enrolled : {true, false, false}) {
            QFile config(machine.configFile);
            QVERIFY(enrolled ? config.open(QIODevice::WriteOnly) : !config.exists() || config.remove());
            app = machine.start();
            starts << QString("%1: %2").arg(enrolled ? "enrolled" : "not enrolled", windowShown(*app) ? "window" : "-");
        }
        QCOMPARE(starts, (QStringList{"enrolled: -", "not enrolled: window", "not enrolled: -"}));
        app->menu().registerAction()->trigger();
        QVERIFY(windowShown(*app));
        QCOMPARE(app->registrationOffer().window()->windowTitle(), "Kelvane OS Agent");
    }

    void onlyASuccessIsTakenUp_data()
    {
        QTest::addColumn<bool>("registered"); // or else the window is put off with Not Now before Register is clicked
        QTest::newRow("put off") << false;
        QTest::newRow("registered") << true;
    }

    // A success shows Done in place of Not Now and is taken up at once: the configuration found, the entry gone, the
    // daemon started with the controller's own command. Not Now closes the window and leaves all as it was, and the
    // entry opens a new page.
    void onlyASuccessIsTakenUp()
    {
        QFETCH(bool, registered);
        Machine machine;
        std::unique_ptr<MainApp> app = machine.start();
        const QPointer<platform::InstallerPaneWindow> window = app->registrationOffer().window();
        const auto field = [&app](const char *name) {
            return app->registrationOffer().window()->findChild<QLineEdit *>(name);
        };
        for (const char *name : {"addressTextField", "loginTextField", "passwordTextField"})
            field(name)->setText("typed");
        if (registered)
            window->findChild<QAbstractButton *>("registerButton")->click();
        else
            window->notNowButton()->click();
        QCOMPARE(!app->registrationOffer().window(), !registered); // forgotten at once, before its deletion
        QCoreApplication::processEvents();
        // A closed window is deleted, with what was typed into it.
        QTRY_COMPARE(bool(window), registered);
        QCOMPARE(machine.fakes.calls.contains({"root", kStartCommand}), registered);
        QCOMPARE(app->menu().registerAction()->isVisible(), !registered);
        if (registered) {
            QVERIFY(window->isVisible() && window->notNowButton()->isHidden() && window->doneButton()->isVisible());
            QTest::keyClick(window->focusWidget(), Qt::Key_Space); // the keyboard goes on from Done
            QTRY_VERIFY(!window);
            return;
        }
        app->menu().registerAction()->trigger();
        QVERIFY(windowShown(*app));
        QCOMPARE(field("passwordTextField")->text(), "");
    }
};

QTEST_MAIN(RegistrationWindowTest)
#include "tst_registrationwindow.moc"
