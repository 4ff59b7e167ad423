#include "sandbox/Sandbox.h"
#include "sandbox/SandboxTools.h"
#include "sandbox/tray/NotificationServer.h"
#include "tests/support/FileText.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The menu-bar application, a real process on an enrolled sandbox, against a stand-in notification service on
// a private session bus: the daemon ends by itself, the user is told, and the notification's action starts it.
class NotificationsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    sandbox::Sandbox m_box{m_dir.path() + "/sandbox"};

private slots:
    void backupsStoppedAreToldAndStartedAgainFromTheNotice()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("needs a private session bus (dbus-run-session)");
        QVERIFY(m_box.create());
        m_box.setFullDiskAccess(true);
        m_box.setAuthoriseAnswer("allow");
        QFile configuration(m_box.paths().installedConfigFile);
        QVERIFY(QDir().mkpath(QFileInfo(configuration).absolutePath()));
        QVERIFY(configuration.open(QIODevice::WriteOnly) && configuration.write("enrolled\n") > 0);
        configuration.close();
        sandbox::NotificationServer notices;
        QVERIFY(notices.start(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop")));

        QProcess app;
        app.start(QString::fromUtf8(sandbox::tools::kMenuBarApp), {m_box.root(), "en"});
        // Started at launch, as on every enrolled machine; then ended, not through the menu.
        QTRY_VERIFY_WITH_TIMEOUT(contentOf(m_box.logFile()).contains("qmx-osagent: running"), 20000);
        QCOMPARE(QProcess::execute(m_box.paths().launchctl, {"stop", "com.kelvane.osagent"}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(notices.shown.size(), 1, 20000);
        const sandbox::NotificationServer::Shown stopped = notices.shown.constFirst();
        QCOMPARE(stopped.summary, "Backups have stopped");
        QVERIFY2(stopped.body.startsWith("The Kelvane OS Agent service has not been running since "),
                 qPrintable(stopped.body));
        QCOMPARE(stopped.actions, (QStringList{"start", "Start Backups"}));

        notices.chooseAction(stopped.id, "start");
        QTRY_VERIFY_WITH_TIMEOUT(m_box.isDaemonRunning(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(notices.shown.size(), 2, 15000);
        QCOMPARE(notices.shown.at(1).summary, "Backups have resumed");
        QCOMPARE(notices.shown.at(1).replaces, stopped.id);
        app.kill();
        app.waitForFinished();
        QDBusConnection::disconnectFromBus("desktop");
    }
};

QTEST_GUILESS_MAIN(NotificationsTest)
#include "tst_notifications.moc"
