#include "menubar-app/ui/AppMenu.h"
#include "menubar-app/ui/MenuBarExtra.h"
#include "platform/widgets/SystemTray.h"
#include "tests/support/ControllerFakes.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

using namespace menubar;
using namespace std::chrono_literals;

// The menu-bar item in a real tray, trayer on a private X display, clicked and typed at with xdotool as a
// user would. The controller's state comes from fakes; only the tray and the input are real.
class TrayTest : public QObject
{
    Q_OBJECT

    ControllerFakes m_fakes;
    ServicesController m_controller{m_fakes.dependencies(1h)};
    AppMenu m_menu{{&m_controller, m_fakes.alerts, m_fakes.urls, "/var/log/agent", [] {}, [] {}}};
    MenuBarExtra m_item{{&m_controller, &m_menu, m_fakes, [] { return platform::isTrayHostAvailable(); }, 50ms}};

    static void xdotool(const QStringList &arguments) { QCOMPARE(QProcess::execute("xdotool", arguments), 0); }

    void clickItem(const QString &button = "1")
    {
        const QPoint centre = m_item.trayIcon()->geometry().center();
        xdotool({"mousemove", QString::number(centre.x()), QString::number(centre.y()), "click", button});
        QTRY_VERIFY(m_menu.isVisible());
    }

private slots:
    void initTestCase()
    {
        // Embedded in the tray once it has left the origin, where it is made.
        QTRY_VERIFY(m_item.trayIcon() && m_item.trayIcon()->geometry().topLeft() != QPoint());
    }

    // The tray along the bottom edge: the one menu opens right above the item, whichever button clicked it. A left
    // click soon after the one that closed the menu reaches the item as a double click: it opens the menu too.
    void eitherClickOpensTheMenuAtTheItem()
    {
        QApplication::setDoubleClickInterval(5000); // however busy the machine, the second is a double click
        for (const QString button : {"1", "1", "3"}) {
            clickItem(button);
            const QRect item = m_item.trayIcon()->geometry();
            QCOMPARE(m_menu.geometry().bottom(), item.top() - 1);
            QVERIFY(m_menu.geometry().left() <= item.left());
            xdotool({"key", "Escape"});
            QTRY_VERIFY(!m_menu.isVisible());
        }
        QApplication::setDoubleClickInterval(0);
    }

    void keyEquivalentsActWhileTheMenuIsOpen()
    {
        clickItem();
        xdotool({"key", "ctrl+l"});
        QTRY_COMPARE(m_fakes.urls.opened, (QList<QUrl>{QUrl("file:///var/log/agent")}));
        QTRY_VERIFY(!m_menu.isVisible());

        clickItem();
        xdotool({"key", "ctrl+q"});
        QTRY_COMPARE(m_fakes.alerts.shown,
                     QStringList{"warning Do You really want to close application?||Cancel/Close"});
        QTRY_VERIFY(!m_menu.isVisible());
    }
};

QTEST_MAIN(TrayTest)
#include "tst_tray.moc"
