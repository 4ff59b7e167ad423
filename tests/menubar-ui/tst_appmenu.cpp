#include "menubar-app/ui/AppMenu.h"
#include "menubar-app/ui/BundleInfo.h"
#include "menubar-app/ui/IconImages.h"
#include "menubar-app/ui/MenuBarExtra.h"
#include "menubar-app/ui/PanelMenu.h"
#include "menubar-app/ui/ShowAboutView.h"
#include "platform/widgets/DesktopColourScheme.h"
#include "tests/support/ControllerFakes.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace menubar;
using namespace std::chrono_literals;

namespace {

// The menu and the item on a controller that checks every 10 ms; the tray is looked for every 5 ms.
struct Scene
{
    bool trayAvailable = true;
    QByteArray plist{}; // for the About window; none: the program's own
    std::chrono::milliseconds poll{10};
    QString configFile = "/nonexistent/.qmx-osagent.cfg";
    ControllerFakes fakes{};
    ServicesController controller{fakes.dependencies(poll, configFile)};
    int terminated = 0;
    AppMenu menu{{&controller, fakes.alerts, fakes.urls, "/var/log/agent",
                  [this] { ShowAboutView(plist.isNull() ? BundleInfo::mainBundle() : BundleInfo::fromPlist(plist)); },
                  [this] { ++terminated; }}};
    platform::DesktopColourScheme scheme{};
    MenuBarExtra item{{&controller, &menu, fakes, [this] { return trayAvailable; }, 5ms, &scheme}};
};

QImage rendered(const QIcon &icon)
{
    return icon.pixmap(QSize(22, 22), 1.0).toImage();
}

} // namespace

class AppMenuTest : public QObject
{
    Q_OBJECT

private slots:
    // The six entries stay as they are; while no configuration is installed, the registration entry and a
    // separator of its own come first (what it opens: tst_registrationwindow). A status check shows a configuration
    // installed or removed since.
    void entriesInOrderWithRegistrationOnTopWhileUnenrolled()
    {
        QTemporaryDir dir;
        Scene scene{.configFile = dir.filePath(".qmx-osagent.cfg")};
        const auto shown = [&scene] {
            QStringList rows;
            for (const QAction *action : scene.menu.actions()) {
                if (action->isVisible())
                    rows.append(action->isSeparator() ? "---" : action->text() + u'|' + action->shortcut().toString());
            }
            return rows;
        };
        const QStringList entries = QString("Start Kelvane OS Agent service|;Stop Kelvane OS Agent service|;---;About|;"
                                            "Open Application Log Directory|Ctrl+L;Exit|Ctrl+Q")
                                        .split(';');
        const QStringList registration{"Register This Computer…|", "---"};
        for (bool enrolled : {true, false}) {
            QFile config(scene.configFile);
            QVERIFY(enrolled ? config.open(QIODevice::WriteOnly) : config.remove());
            QTRY_COMPARE(shown(), enrolled ? entries : registration + entries);
        }

        // Close, the second button, quits (Cancel, the first, does not: tst_translations answers it with Escape;
        // the question's text, look and buttons: tst_tray).
        scene.fakes.alerts.answer = platform::kAlertSecondButtonReturn;
        scene.menu.exitAction()->trigger();
        QCOMPARE(scene.terminated, 1);
    }

    // Starts running, as the controller does before its first check. The tooltip says the state in words;
    // the icon is drawn for the panel, and the menu takes its colours: as the desktop's colour scheme asks, else
    // as its palette is; the icon as a template image for the macOS menu bar.
    void entriesAndItemFollowTheStateOnTheSameActions()
    {
        Scene scene;
        const QList<QAction *> actions = scene.menu.actions();
        const QPalette light = QGuiApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
        for (bool running : {false, true}) {
            scene.fakes.tables = {running ? kRunningTable : kStoppedTable};
            QTRY_COMPARE(scene.menu.stopServiceAction()->isEnabled(), running);
            QCOMPARE(scene.menu.startServiceAction()->isEnabled(), !running);
            const QString name = running ? "MenuBarExtraIcon" : "StopMenuBarExtraIcon";
            QTRY_COMPARE(rendered(scene.item.trayIcon()->icon()), rendered(MenuBarExtra::iconNamed(name, false)));
            QCOMPARE(scene.item.trayIcon()->toolTip(),
                     running ? "Kelvane OS Agent: running" : "Kelvane OS Agent: stopped");
            QVERIFY(scene.item.trayIcon()->icon().isMask());
            // Drawn at build time at a panel's size on a normal and a HiDPI screen, not scaled when shown.
            QVERIFY(scene.item.trayIcon()->icon().availableSizes().contains(QSize(22, 22)));
            QVERIFY(scene.item.trayIcon()->icon().availableSizes().contains(QSize(44, 44)));

            // Published at every check, handed over only when it changes: the tray keeps each icon it gets.
            const qint64 shown = scene.item.trayIcon()->icon().cacheKey();
            QSignalSpy checks(&scene.controller, &ServicesController::iconNameChanged);
            QVERIFY(checks.wait() && checks.wait());
            QCOMPARE(scene.item.trayIcon()->icon().cacheKey(), shown);

            const struct
            {
                std::optional<bool> schemeDark;
                const QPalette &palette;
                bool drawnDark;
            } panels[] = {{std::nullopt, dark, true}, {true, light, true}, {false, dark, false}};
            for (const auto &panel : panels) {
                QGuiApplication::setPalette(panel.palette);
                scene.scheme.setPrefersDark(panel.schemeDark); // followed at once, not at the next check
                QCOMPARE(rendered(scene.item.trayIcon()->icon()),
                         rendered(MenuBarExtra::iconNamed(name, panel.drawnDark)));
                QCOMPARE(scene.menu.palette().color(QPalette::Window).lightness() < 128, panel.drawnDark);
            }
            scene.scheme.setPrefersDark(std::nullopt);
            QGuiApplication::setPalette(light);
        }
        QCOMPARE(scene.menu.actions(), actions);
        // Drawn apart for either state; for a dark panel apart from a light one: tst_statusnotifier's lightness.
        QVERIFY(rendered(MenuBarExtra::iconNamed("MenuBarExtraIcon", false)) !=
                rendered(MenuBarExtra::iconNamed("StopMenuBarExtraIcon", false)));
        // Each size from its own image, one between from the next larger, none enlarged.
        const QIcon appIcon = iconFromImages("AppIcon");
        const auto argb = [](const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32); };
        QCOMPARE(argb(appIcon.pixmap(22).toImage()), argb(QImage(":/icons/AppIcon/22.png")));
        QImage at2x(":/icons/AppIcon/44.png");
        at2x.setDevicePixelRatio(2.0);
        QCOMPARE(argb(appIcon.pixmap(QSize(22, 22), 2.0).toImage()), argb(at2x));
        QImage painted(44, 44, QImage::Format_ARGB32_Premultiplied); // as a tray paints its item on a 2x screen
        painted.setDevicePixelRatio(2.0);
        painted.fill(Qt::transparent);
        QPainter painter(&painted);
        appIcon.paint(&painter, QRect(0, 0, 22, 22));
        painter.end();
        QCOMPARE(painted, at2x.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        QCOMPARE(appIcon.pixmap(QSize(20, 22)).size(), QSize(20, 20));
        QCOMPARE(appIcon.pixmap(100).size(), QSize(64, 64));
    }

    void menuOpensBesideTheItemNeverOverIt_data()
    {
        QTest::addColumn<QRect>("item"); // a 1x1 item: the click, where the tray gives no item position
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<QPoint>("menu");
        QTest::newRow("top panel") << QRect(1000, 4, 24, 24) << QRect(0, 32, 1024, 608) << QPoint(824, 32);
        QTest::newRow("bottom panel") << QRect(900, 612, 24, 24) << QRect(0, 0, 1024, 600) << QPoint(824, 450);
        QTest::newRow("left panel") << QRect(4, 600, 24, 24) << QRect(40, 0, 984, 640) << QPoint(40, 490);
        QTest::newRow("right panel") << QRect(1000, 8, 24, 24) << QRect(0, 0, 984, 640) << QPoint(784, 8);
        QTest::newRow("no panel area: below a high click")
            << QRect(500, 10, 1, 1) << QRect(0, 0, 1024, 640) << QPoint(500, 11);
    }

    void menuOpensBesideTheItemNeverOverIt()
    {
        QFETCH(QRect, item);
        QFETCH(QRect, workArea);
        QTEST(panelMenuPosition(item, QSize(200, 150), QRect(0, 0, 1024, 640), workArea), "menu");
    }

    // Made once the tray is there, and then kept, however often the tray is still there.
    void itemShowsOnceATrayAppears()
    {
        Scene scene{.trayAvailable = false};
        QVERIFY(!scene.item.trayIcon()); // not even made: Qt would settle on a tray protocol too early
        scene.trayAvailable = true;
        QTRY_VERIFY(scene.item.trayIcon() && scene.item.trayIcon()->isVisible());
        const QPointer<const QSystemTrayIcon> made = scene.item.trayIcon();
        QSignalSpy checks(&scene.controller, &ServicesController::iconNameChanged);
        QVERIFY(checks.wait() && checks.wait()); // each a few tray polls long
        QCOMPARE(scene.item.trayIcon(), made.data());
        QCOMPARE(scene.fakes.log.filter("Kelvane_OS_Agent.MenuBarExtra ").size(), 1);
    }

    void aboutShowsBundleValuesInANewWindowEachTime_data()
    {
        QTest::addColumn<QByteArray>("plist");
        QTest::addColumn<QString>("nameAndVersion");
        QTest::newRow("the program's own Info.plist") << QByteArray() << "Kelvane OS Agent|Version: " KELVANE_VERSION;
        QTest::newRow("version not a string, name only in a nested dict")
            << QByteArray(
                   "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict><key>CFBundleShortVersionString</key>"
                   "<real>1.2</real><key>O</key><dict><key>CFBundleName</key><string>N</string></dict></dict></plist>")
            << "?|Version: ?";
    }

    // Each opening is a new application-modal window; closing it returns from the entry and drops it.
    void aboutShowsBundleValuesInANewWindowEachTime()
    {
        QFETCH(QByteArray, plist);
        Scene scene{.plist = plist};
        QList<QPointer<QWidget>> windows;
        for (int opening = 1; opening <= 2; ++opening) {
            QStringList shown;
            QTimer::singleShot(0, [&] {
                QWidget *window = QApplication::activeModalWidget();
                window->close(); // its loop ends once this returns
                windows.append(window);
                QVERIFY(window->windowModality() == Qt::ApplicationModal);
                QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
                int above = window->findChild<QLabel *>("iconImage")->geometry().bottom();
                for (const char *name : {"appNameLabel", "versionLabel", "copyrightLabel"}) {
                    const QLabel *label = window->findChild<QLabel *>(name);
                    shown.append(label->text());
                    QVERIFY(label->y() > std::exchange(above, label->geometry().bottom())); // each below the last
                }
                QCOMPARE(window->findChild<QLabel *>("iconImage")->pixmap().size(), QSize(80, 80));
                const QFont headline = window->findChild<QLabel *>("appNameLabel")->font();
                QVERIFY(headline.bold() && headline.pointSizeF() > window->font().pointSizeF());
            });
            scene.menu.aboutAction()->trigger();
            QCOMPARE(windows.size(), opening);
            QVERIFY(windows.last().isNull());
            QTEST(shown.mid(0, 2).join(u'|'), "nameAndVersion");
            QVERIFY(shown.value(2).startsWith(u"\u00A9 %1 "_qs.arg(QDate::currentDate().year())));
        }
    }
};

QTEST_MAIN(AppMenuTest)
#include "tst_appmenu.moc"
