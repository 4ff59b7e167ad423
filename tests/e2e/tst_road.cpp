#include "installer-pane/ui/EnrollerPlugin.h"
#include "menubar-app/service/ProcessHelper.h"
#include "menubar-app/ui/AppMenu.h"
#include "menubar-app/ui/MainApp.h"
#include "menubar-app/ui/MenuBarApplication.h"
#include "platform/LogSink.h"
#include "platform/installer-host/SetupAssistant.h"
#include "platform/widgets/InstallerPluginLoader.h"
#include "sandbox/SandboxSession.h"
#include "sandbox/SandboxTools.h"
#include "tests/support/FileText.h"
#include "tests/support/PlatformFakes.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

using namespace sandbox;

class RoadTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_box.create());
        m_box.setAccounts({{"demo", "demo-password"}});
        m_box.setAuthoriseAnswer("allow");
        QVERIFY(m_session.startServer());
    }

    void cleanupTestCase() { m_session.stop(); }

    void init()
    {
        m_alerts = std::make_shared<FakeAlertPresenter>();
        // The sandbox's managed settings file (none), never the machine's; pkexec as the administrator by default.
        const auto log = std::make_shared<platform::FileLogSink>(m_box.logFile());
        const auto managed = std::make_shared<installer::ManagedSettingsReader>(m_box.managedSettingsSource(), nullptr);
        m_page = {m_box.paths(), {}, m_alerts, {}, {}, {"en"}, log, managed};
        m_assistant = std::make_unique<platform::SetupAssistant>(
            platform::InstallerPluginLoader({QString::fromUtf8(tools::kEnrollerPlugin)}).createPane(&m_page));
        m_assistant->show();
        m_assistant->next();
    }

    void theRoad()
    {
        const contract::AgentPaths paths = m_box.paths();
        // The server takes the password only as it was set: the page trimmed it.
        registerWith({m_session.serverAddress(), "demo", "  demo-password\t"});
        QVERIFY(contentOf(paths.installedConfigFile).contains("guid="));

        // The install started the daemon as root; launchd relaunched the menu-bar application, which found it
        // running and asked for no second authorisation.
        QTRY_VERIFY_WITH_TIMEOUT(m_box.isDaemonRunning(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(contentOf(m_box.logFile()).contains("Kelvane_OS_Agent.ServicesController starting"),
                                 15000);

        // From here the menu is driven in this process; the relaunched one steps aside.
        QCOMPARE(QProcess::execute(paths.launchctl, {"stop", contract::toQString(contract::kGuiAgentLabel)}), 0);
        QCOMPARE(contentOf(m_box.authoriseLog()).count(u'\n'), 1);
        // A daemon's job that fails to start fails no registration: the application starts it itself.
        QVERIFY(contentOf(m_box.authoriseLog()).contains("kickstart -k system/com.kelvane.osagent || :"));
        menubar::ProcessHelper runner({paths.osascript, paths.pkexec, paths.shell});
        menubar::MainApp app({{runner, m_log, m_menuAlerts, m_urls, paths, std::chrono::milliseconds(kPoll)},
                              menubar::BundleInfo::mainBundle(),
                              [] {},
                              [] { return QSystemTrayIcon::isSystemTrayAvailable(); },
                              m_settings,
                              menubar::registrationPaneFactory(m_page)});
        QCoreApplication::processEvents(); // the first turn: the first check, and the start it makes needless
        QTRY_COMPARE(app.servicesController().iconName(), QString("MenuBarExtraIcon"));
        app.menu().stopServiceAction()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(app.servicesController().iconName(), QString("StopMenuBarExtraIcon"),
                                  2 * kPoll + 500);
        QVERIFY(!m_box.isDaemonRunning());
        app.menu().startServiceAction()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(app.servicesController().iconName(), QString("MenuBarExtraIcon"), 2 * kPoll + 500);
    }

    void failureRoadsLoseNothing_data()
    {
        QTest::addColumn<QStringList>("form"); // address, login, password
        QTest::addColumn<QString>("alert");    // "style message|informative text|buttons"
        QTest::newRow("wrong password") << QStringList{"@server", "demo", "wrong"}
                                        << "critical Incorrect credential provided||";
        QTest::newRow("server down") << QStringList{"127.0.0.1:1", "demo", "demo-password"}
                                     << "critical Can't connect to server||";
    }

    void failureRoadsLoseNothing()
    {
        QFETCH(QStringList, form);
        QFETCH(QString, alert);
        const QString installed = contentOf(m_box.paths().installedConfigFile);
        registerWith(form.replaceInStrings("@server", m_session.serverAddress()));
        QCOMPARE(m_alerts->shown, QStringList{alert});
        QCOMPARE(contentOf(m_box.paths().installedConfigFile), installed);
    }

private:
    static constexpr int kPoll = 1000;

    // Fills in address, login and password, and clicks.
    void registerWith(const QStringList &values)
    {
        const QStringList names{"addressTextField", "loginTextField", "passwordTextField"};
        for (qsizetype i = 0; i < names.size(); ++i)
            m_assistant->findChild<QLineEdit *>(names[i])->setText(values[i]);
        m_assistant->findChild<QAbstractButton *>("registerButton")->click();
    }

    QTemporaryDir m_dir;
    Sandbox m_box{m_dir.path() + "/sandbox"};
    SandboxSession m_session{m_box};
    std::shared_ptr<FakeAlertPresenter> m_alerts;
    installer::EnrollerDependencies m_page; // the page's, in the installer and in the menu-bar application
    std::unique_ptr<platform::SetupAssistant> m_assistant;
    platform::CapturingLogSink m_log;
    QSettings m_settings{m_dir.filePath("settings.ini"), QSettings::IniFormat};
    FakeAlertPresenter m_menuAlerts;
    FakeUrlOpener m_urls;
};

QTEST_MAIN(RoadTest)
#include "tst_road.moc"
