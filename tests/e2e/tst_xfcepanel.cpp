#include "sandbox/Sandbox.h"
#include "sandbox/SandboxTools.h"
#include "tests/support/FileText.h"
#include "tests/support/Xdotool.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The menu-bar application, a real process, in the real panel of Xfce 4.18 (its Status Tray plug-in) on a
// private display and session bus. That tray takes the item over StatusNotifierItem, never passes a right
// click on, and shows on it the menu the item exports, or else a menu of its own.
class XfcePanelTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    sandbox::Sandbox m_box{m_dir.path() + "/sandbox"};
    QProcess m_settingsDaemon;
    QProcess m_panel;
    QProcess m_app;
    QRect m_item;

    QStringList appWindows() const { return xdotool::windowsShown("--pid", QString::number(m_app.processId())); }

    // The tray plug-in's window inside the panel, as wide as the items it shows.
    static QRect trayArea()
    {
        for (const QString &window : xdotool::windowsShown("--classname", "wrapper-2.0")) {
            const QRect area = xdotool::geometryOf(window);
            if (area.top() == 0 && area.height() < 40)
                return area;
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("needs a private session bus (dbus-run-session)");
        // Xfce's settings daemon where a session bus would start it from; ours starts none.
        const QString xfconfd =
            contentOf("/usr/share/dbus-1/services/org.xfce.Xfconf.service").section("Exec=", 1).section('\n', 0, 0);
        QVERIFY2(QFile::exists(xfconfd) && !QStandardPaths::findExecutable("xfce4-panel").isEmpty(),
                 "./dev installs xfce4-panel and xfconf");

        // One dark panel along the top, as Xfce 4.18's default is, holding only the tray at its right end.
        const QString channels = m_dir.path() + "/config/xfce4/xfconf/xfce-perchannel-xml";
        QVERIFY(QDir().mkpath(channels));
        QVERIFY(QFile::copy(XFCE_PANEL_CHANNEL, channels + "/xfce4-panel.xml"));
        QProcessEnvironment desktop = QProcessEnvironment::systemEnvironment();
        desktop.insert("XDG_CONFIG_HOME", m_dir.path() + "/config");
        desktop.insert("XDG_CURRENT_DESKTOP", "XFCE");
        for (QProcess *process : {&m_settingsDaemon, &m_panel, &m_app})
            process->setProcessEnvironment(desktop);
        m_settingsDaemon.start(xfconfd, {});
        m_panel.start("xfce4-panel", {"--disable-wm-check"});
        QTRY_VERIFY_WITH_TIMEOUT(
            QDBusConnection::sessionBus().interface()->isServiceRegistered("org.kde.StatusNotifierWatcher"), 20000);

        QVERIFY(m_box.create());
        m_app.start(QString::fromUtf8(sandbox::tools::kMenuBarApp), {m_box.root(), "en"});
        // At the first start the registration window opens by itself: closed, it leaves the item at work.
        QTRY_COMPARE_WITH_TIMEOUT(appWindows().size(), 1, 10000);
        xdotool::run({"windowfocus", "--sync", appWindows().constFirst(), "key", "Escape"});
        QTRY_COMPARE(appWindows(), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(trayArea().width() >= 16, 10000);
        m_item = trayArea();
    }

    void cleanupTestCase()
    {
        for (QProcess *process : {&m_app, &m_panel, &m_settingsDaemon}) {
            process->kill();
            process->waitForFinished();
        }
    }

    // The panel shows the menu the item exports: its first entry, chosen from the keyboard, is ours.
    void rightClickShowsTheApplicationsMenu()
    {
        const int panelWindows = xdotool::windowsShown("--classname", "wrapper-2.0").size();
        xdotool::run(
            {"mousemove", QString::number(m_item.center().x()), QString::number(m_item.center().y()), "click", "3"});
        QTRY_VERIFY(xdotool::windowsShown("--classname", "wrapper-2.0").size() > panelWindows);
        xdotool::run({"key", "Down", "Return"});
        // "Register This Computer…" opens the registration window.
        QTRY_COMPARE_WITH_TIMEOUT(appWindows().size(), 1, 10000);
        xdotool::run({"windowfocus", "--sync", appWindows().constFirst(), "key", "Escape"});
        QTRY_COMPARE(appWindows(), QStringList());
    }

    // A left click reaches the application, which opens the same menu itself, right below the panel.
    void leftClickOpensTheMenuBelowThePanel()
    {
        // As a window manager keeps the panel's strut out of the work area; none runs here.
        const QString workArea = QString("0,%1,1024,%2").arg(m_item.bottom() + 1).arg(639 - m_item.bottom());
        QCOMPARE(QProcess::execute("xprop", {"-root", "-f", "_NET_WORKAREA", "32c", "-set", "_NET_WORKAREA", workArea}),
                 0);
        xdotool::run(
            {"mousemove", QString::number(m_item.center().x()), QString::number(m_item.center().y()), "click", "1"});
        QTRY_COMPARE(appWindows().size(), 1);
        QCOMPARE(xdotool::geometryOf(appWindows().constFirst()).top(), m_item.bottom() + 1);
        xdotool::run({"key", "Escape"});
        QTRY_COMPARE(appWindows(), QStringList());
    }
};

QTEST_GUILESS_MAIN(XfcePanelTest)
#include "tst_xfcepanel.moc"
