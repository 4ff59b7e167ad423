#include "platform/widgets/DesktopColourScheme.h"
#include "sandbox/Sandbox.h"
#include "sandbox/SandboxTools.h"
#include "sandbox/tray/DesktopSettings.h"
#include "sandbox/tray/StatusNotifierWatcher.h"
#include "sandbox/tray/XEmbedProxy.h"
#include "tests/support/FileText.h"
#include "tests/support/Xdotool.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
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

    QString logText() const { return contentOf(m_box.logFile()); }
    bool logged(const char *text) const { return logText().contains(text); }

    static QStringList windowsShown(qint64 pid) { return xdotool::windowsShown("--pid", QString::number(pid)); }

private slots:
    void initTestCase()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("needs a private session bus (dbus-run-session)");
        QVERIFY(m_box.create());
        // The window's page reads the sandbox's managed settings, and says in the log what it ignored there.
        m_box.setManagedSettings({{"Password", "not taken"}});
        // As a window manager says it for a 40-pixel panel along the bottom edge.
        QCOMPARE(QProcess::execute("xprop",
                                   {"-root", "-f", "_NET_WORKAREA", "32c", "-set", "_NET_WORKAREA", "0,0,1024,600"}),
                 0);
    }

    // The bus started none of the machine's services (a desktop's settings portal, say) for anyone.
    void cleanupTestCase()
    {
        const QStringList names = QDBusConnection::sessionBus().interface()->registeredServiceNames();
        QCOMPARE(names.filter(QRegularExpression("^[^:]")), QStringList{"org.freedesktop.DBus"});
    }

    void itemAppearsWhicheverStartsFirst_data()
    {
        QTest::addColumn<bool>("trayFirst");
        QTest::addColumn<int>("windowsAtStart"); // the registration window opens by itself at the first start only
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("tray, then application") << true << 1 << "en"
                                                << "Kelvane OS Agent: stopped";
        QTest::newRow("application, then tray, as at a login, in German") << false << 0 << "de"
                                                                          << "Kelvane OS Agent: gestoppt";
    }

    // The item registers and is titled with the application's name. The host does not say where the item is, but
    // the window manager keeps a bottom panel out of the work area: a left click and a right click both open the
    // one menu above the panel's area.
    void itemAppearsWhicheverStartsFirst()
    {
        QFETCH(bool, trayFirst);
        QFETCH(int, windowsAtStart);
        QFETCH(QString, language);
        QFETCH(QString, toolTip);
        sandbox::SettingsPortal portal;
        portal.scheme = 2; // a light desktop
        QVERIFY(portal.start(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop")));
        sandbox::StatusNotifierWatcher tray(QDBusConnection::sessionBus());
        if (trayFirst)
            QVERIFY(tray.start());
        QFile::remove(m_box.logFile());
        QProcess app;
        app.start(QString::fromUtf8(sandbox::tools::kMenuBarApp), {m_box.root(), language});
        QVERIFY(app.waitForStarted());
        if (!trayFirst) {
            QTRY_VERIFY2_WITH_TIMEOUT(logged("no system tray available"), qPrintable(logText()), 5000);
            QVERIFY(tray.start());
        }
        QTRY_COMPARE_WITH_TIMEOUT(tray.registeredItems().size(), 1, 10000);
        const QString item = tray.registeredItems().constFirst();
        QCOMPARE(tray.title(item), "Kelvane OS Agent");
        QTRY_COMPARE(tray.toolTipTitle(item), toolTip);
        // The icon drawn for a light panel, and for a dark one as soon as the desktop turns dark.
        QTRY_VERIFY(tray.iconCentreLightness(item) >= 0 && tray.iconCentreLightness(item) < 128);
        portal.setScheme(1);
        QTRY_VERIFY(tray.iconCentreLightness(item) > 128);
        QTRY_COMPARE(windowsShown(app.processId()).size(), windowsAtStart);
        // Its icons, drawn at build time, are read without Qt's image format plug-ins, which bring Qt Svg.
        const QString loaded = contentOf(QString("/proc/%1/maps").arg(app.processId()));
        QVERIFY(!loaded.isEmpty() && !loaded.contains("imageformats") && !loaded.contains("svg", Qt::CaseInsensitive));
        // The registration window, opened before the application's icon is given, takes it up; closed, it
        // leaves the application at work: the menu below still opens.
        const auto icon = [](const QString &window) {
            QProcess xprop;
            xprop.start("xprop", {"-id", window, "-notype", "_NET_WM_ICON"});
            return xprop.waitForFinished() ? xprop.readAll().left(30) : QByteArray();
        };
        for (const QString &window : windowsShown(app.processId())) {
            QTRY_COMPARE(icon(window), "_NET_WM_ICON = \tIcon (16 x 16)");
            xdotool::run({"windowfocus", "--sync", window, "key", "Escape"});
        }
        QTRY_COMPARE(windowsShown(app.processId()), QStringList());
        // A click reaches the host where the pointer is; an activation from the keyboard wherever the host chose,
        // the pointer being anywhere. The menu opens there, above the panel's area.
        const struct
        {
            QPoint pointer, at;
            bool rightButton;
        } activations[] = {
            {{500, 620}, {500, 620}, false}, {{500, 620}, {500, 620}, true}, {{20, 20}, {900, 620}, false}};
        for (const auto &[pointer, at, rightButton] : activations) {
            xdotool::run({"mousemove", QString::number(pointer.x()), QString::number(pointer.y())});
            QVERIFY(tray.click(item, at, rightButton));
            QTRY_COMPARE(windowsShown(app.processId()).size(), 1);
            const QRect menu = xdotool::geometryOf(windowsShown(app.processId()).constFirst());
            QCOMPARE_LT(menu.bottom(), 600);
            QCOMPARE_LE(menu.left(), at.x());
            QCOMPARE_GE(menu.right(), at.x());
            xdotool::run({"key", "Escape"});
            QTRY_COMPARE(windowsShown(app.processId()), QStringList());
        }
        QCOMPARE(logged("Password in "), windowsAtStart == 1);
        app.kill();
        app.waitForFinished();
        QDBusConnection::disconnectFromBus("desktop");
    }

    void panelLookFollowsTheDesktop_data()
    {
        QTest::addColumn<QByteArray>("desktopNames"); // XDG_CURRENT_DESKTOP
        QTest::addColumn<int>("portalScheme");        // -1: no portal
        QTest::addColumn<int>("darkMode");            // Xfce's panel; -1: no xfconf
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("dark"); // the icon drawn for: 1 a dark panel, 0 a light one, -1 as the palette says
        QTest::newRow("Debian's Xfce 4.18: dark panel, no preference") << QByteArray("XFCE") << 0 << 1 << "Xfce" << 1;
        QTest::newRow("Xfce, light panel, the portal asking dark") << QByteArray("XFCE") << 1 << 0 << "Xfce" << 0;
        QTest::newRow("Xfce among the names, dark theme")
            << QByteArray("ubuntu:xfce") << -1 << 0 << "Adwaita-dark" << 1;
        QTest::newRow("Plasma, Breeze, Xfce's daemon saying dark")
            << QByteArray("KDE") << 2 << 1 << "Adwaita-dark" << 0;
        QTest::newRow("Plasma, Breeze Dark, Xfce's daemon saying light") << QByteArray("KDE") << 1 << 0 << "Xfce" << 1;
        QTest::newRow("a host that states nothing") << QByteArray("GNOME") << 0 << -1 << "" << -1;
    }

    // Read at start, and followed live.
    void panelLookFollowsTheDesktop()
    {
        QFETCH(QByteArray, desktopNames);
        QFETCH(int, portalScheme);
        QFETCH(int, darkMode);
        QFETCH(QString, theme);
        QFETCH(int, dark);
        sandbox::SettingsPortal portal;
        portal.scheme = uint(std::max(portalScheme, 0));
        sandbox::Xfconf xfconf;
        xfconf.set("xfce4-panel", "/panels/dark-mode", darkMode == 1);
        xfconf.set("xsettings", "/Net/ThemeName", theme);
        const QDBusConnection desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop");
        QVERIFY(portalScheme < 0 || portal.start(desktop));
        QVERIFY(darkMode < 0 || xfconf.start(desktop));
        platform::DesktopColourScheme scheme;
        platform::followDesktopColourScheme(scheme, desktopNames);
        const std::optional<bool> expected = dark < 0 ? std::nullopt : std::optional<bool>(dark == 1);
        QTRY_COMPARE(scheme.prefersDark(), expected);
        // Settled, not only reached: Xfce's daemon answers after the portal.
        QVERIFY(!QTest::qWaitFor([&] { return scheme.prefersDark() != expected; }, 300));
        // And at once back to a light panel, whatever said it was dark.
        xfconf.set("xsettings", "/Net/ThemeName", "Adwaita");
        xfconf.set("xfce4-panel", "/panels/dark-mode", false);
        portal.setScheme(2);
        emit portal.SettingChanged("org.freedesktop.appearance", "contrast", QDBusVariant(1u)); // not ours
        xfconf.set("xfce4-panel", "/panels/panel-1/size", 26u);                                 // nor this
        QTRY_COMPARE(scheme.prefersDark(), std::optional<bool>(false));
        QVERIFY(!QTest::qWaitFor([&] { return scheme.prefersDark() != std::optional<bool>(false); }, 300));
        QDBusConnection::disconnectFromBus("desktop");
    }

    // Plasma's tray started after the application while its proxy for XEmbed icons ran already: the item docked
    // with the proxy before the tray's watcher was there, and docks again once it is.
    void itemAppearsWhenPlasmasTrayStartsLast()
    {
        sandbox::XEmbedProxy proxy(QDBusConnection::sessionBus());
        QVERIFY(proxy.start());
        QProcess app;
        app.start(QString::fromUtf8(sandbox::tools::kMenuBarApp), {m_box.root()});
        QTRY_COMPARE_WITH_TIMEOUT(proxy.dockedIcons(), 1, 10000);
        sandbox::StatusNotifierWatcher tray(QDBusConnection::sessionBus());
        QVERIFY(tray.start());
        QTRY_COMPARE_WITH_TIMEOUT(tray.registeredItems().size(), 1, 10000);
        app.kill();
        app.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(StatusNotifierTest)
#include "tst_statusnotifier.moc"
