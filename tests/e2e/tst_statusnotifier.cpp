#include "platform/widgets/DesktopColourScheme.h"
#include "sandbox/Sandbox.h"
#include "sandbox/SandboxTools.h"
#include "sandbox/tray/StatusNotifierWatcher.h"

#include <QDBusConnection>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The settings portal as a desktop offers it: the colour scheme, and its change signal.
class SettingsPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    uint scheme = 1; // dark

public slots:
    QDBusVariant Read(const QString &, const QString &) // the value in one more variant, as Read has it
    {
        return QDBusVariant(QVariant::fromValue(QDBusVariant(scheme)));
    }

signals:
    void SettingChanged(const QString &nameSpace, const QString &key, const QDBusVariant &value);
};

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

    static QString xdotool(const QStringList &arguments)
    {
        QProcess process;
        process.start("xdotool", arguments);
        return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
    }

    static QStringList windowsShown(qint64 pid)
    {
        return xdotool({"search", "--onlyvisible", "--pid", QString::number(pid)}).split('\n', Qt::SkipEmptyParts);
    }

    static QRect geometryOf(const QString &window)
    {
        QMap<QString, int> values; // X=..., Y=..., WIDTH=..., HEIGHT=...
        for (const QString &line : xdotool({"getwindowgeometry", "--shell", window}).split('\n'))
            values.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
        return QRect(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]);
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
    // registration entry on top, the machine not being enrolled), and a left click opens that menu. The host
    // does not say where the item is: on a bottom panel the menu opens above the click.
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
        QTRY_COMPARE(windowsShown(app.processId()).size(), windowsAtStart);
        const QStringList before = windowsShown(app.processId());
        // Low on the 640-pixel screen, though with room below: Qt would not move a menu opened there by itself.
        QCOMPARE(QProcess::execute("xdotool", {"mousemove", "500", "400"}), 0);
        QVERIFY(tray.activate(item));
        QTRY_COMPARE(windowsShown(app.processId()).size(), windowsAtStart + 1);
        const QStringList after = windowsShown(app.processId());
        const QString menu =
            *std::find_if(after.begin(), after.end(), [&](const QString &w) { return !before.contains(w); });
        QVERIFY2(geometryOf(menu).bottom() < 400, qPrintable(QString::number(geometryOf(menu).bottom())));
        app.kill();
        app.waitForFinished();
    }

    // A dark panel whose palette says light (Xfce's default) is told by the desktop's stated preference.
    void colourSchemeFollowsTheDesktop()
    {
        SettingsPortal portal;
        QDBusConnection desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop");
        QVERIFY(desktop.registerService("org.freedesktop.portal.Desktop"));
        QVERIFY(desktop.registerObject("/org/freedesktop/portal/desktop", &portal,
                                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        platform::DesktopColourScheme scheme;
        platform::followDesktopColourScheme(scheme);
        QTRY_COMPARE(scheme.prefersDark(), std::optional<bool>(true));
        QSignalSpy changes(&scheme, &platform::DesktopColourScheme::changed);
        emit portal.SettingChanged("org.freedesktop.appearance", "contrast", QDBusVariant(0u)); // not ours
        emit portal.SettingChanged("org.freedesktop.appearance", "color-scheme", QDBusVariant(2u));
        QTRY_COMPARE(scheme.prefersDark(), std::optional<bool>(false));
        QCOMPARE(changes.size(), 1);
        emit portal.SettingChanged("org.freedesktop.appearance", "color-scheme", QDBusVariant(0u));
        QTRY_COMPARE(scheme.prefersDark(), std::nullopt);
        QDBusConnection::disconnectFromBus("desktop");
    }
};

QTEST_GUILESS_MAIN(StatusNotifierTest)
#include "tst_statusnotifier.moc"
