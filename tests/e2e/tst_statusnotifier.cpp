#include "sandbox/Sandbox.h"
#include "sandbox/SandboxTools.h"
#include "sandbox/tray/StatusNotifierWatcher.h"

#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The menu-bar application, a real process, against a stand-in StatusNotifierItem tray on a private session
// bus and a private X display without any XEmbed tray: the tray a KDE Plasma or GNOME panel offers.
class StatusNotifierTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    sandbox::Sandbox m_box{m_dir.path() + "/sandbox"};

    QString logText() const
    {
        QFile log(m_box.logFile());
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }
    bool logged(const char *text) const { return logText().contains(text); }

    int windowsShown(qint64 pid) const
    {
        QProcess search;
        search.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
        const QByteArray found = search.waitForFinished() ? search.readAllStandardOutput().trimmed() : QByteArray();
        return found.isEmpty() ? 0 : int(found.count('\n')) + 1;
    }

private slots:
    void initTestCase()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("needs a private session bus (dbus-run-session)");
        QVERIFY(m_box.create());
    }

    void itemAppearsWhicheverStartsFirst_data()
    {
        QTest::addColumn<bool>("trayFirst");
        QTest::addColumn<int>("windowsAtStart"); // the registration window opens by itself at the first start only
        QTest::newRow("tray, then application") << true << 1;
        QTest::newRow("application, then tray, as at a login") << false << 0;
    }

    // The item registers, is titled with the application's name, exports the entries of its menu (the
    // registration entry on top, the machine not being enrolled), and a left click opens that menu.
    void itemAppearsWhicheverStartsFirst()
    {
        QFETCH(bool, trayFirst);
        QFETCH(int, windowsAtStart);
        sandbox::StatusNotifierWatcher tray(QDBusConnection::sessionBus());
        if (trayFirst)
            QVERIFY(tray.start());
        QFile::remove(m_box.logFile());
        QProcess app;
        app.start(QString::fromUtf8(sandbox::tools::kMenuBarApp), {m_box.root()});
        QVERIFY(app.waitForStarted());
        if (!trayFirst) {
            QTRY_VERIFY2_WITH_TIMEOUT(logged("no system tray available"), qPrintable(logText()), 5000);
            QVERIFY(tray.registeredItems().isEmpty());
            QVERIFY(tray.start());
        }
        QTRY_COMPARE_WITH_TIMEOUT(tray.registeredItems().size(), 1, 10000);
        const QString item = tray.registeredItems().constFirst();
        QCOMPARE(tray.title(item), "Kelvane OS Agent");
        // No configuration in the sandbox, so no daemon: Start is the enabled one.
        QTRY_COMPARE(tray.menu(item),
                     (QStringList{"Register This Computer…|enabled|", "---", "Start Kelvane OS Agent service|enabled|",
                                  "Stop Kelvane OS Agent service|disabled|", "---", "About|enabled|",
                                  "Open Application Log Directory|enabled|Control+L", "Exit|enabled|Control+Q"}));
        QTRY_COMPARE(windowsShown(app.processId()), windowsAtStart);
        QVERIFY(tray.activate(item));
        QTRY_COMPARE(windowsShown(app.processId()), windowsAtStart + 1);
        app.kill();
        app.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(StatusNotifierTest)
#include "tst_statusnotifier.moc"
