#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class QMenu;

namespace platform {
class DesktopColourScheme;
class LogSink;
} // namespace platform

namespace menubar {

class ServicesController;

// The item in the menu bar (system tray): the controller's icon, drawn for the panel's brightness, the
// application's name and the state in words as tooltip, and the menu. Where the tray does not open the menu
// itself (Linux), every click opens this one menu beside the panel, in the panel's colours. Where no tray
// exists yet the program keeps running and makes the item once one appears.
// The controller publishes its state at every check; the item hands the tray a new icon or tooltip only
// when that changes what it shows, and draws each icon once: the tray keeps what it is handed.
class MenuBarExtra : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kTrayPollInterval{2000};

    struct Dependencies
    {
        ServicesController *servicesController;
        QMenu *menu;
        platform::LogSink &log;
        // Whether a tray host is there; the item is made only once one is.
        std::function<bool()> isSystemTrayAvailable;
        std::chrono::milliseconds trayPollInterval;
        // The desktop's own light or dark preference, before the palette; may be none.
        platform::DesktopColourScheme *colourScheme = nullptr;
    };

    explicit MenuBarExtra(Dependencies dependencies, QObject *parent = nullptr);
    ~MenuBarExtra() override;

    // The item, or none while no tray host has been seen.
    const QSystemTrayIcon *trayIcon() const { return m_trayIcon.get(); }

    // The icon for a light panel or a dark one, marked as a template image: the macOS menu bar tints it.
    static QIcon iconNamed(const QString &name, bool darkPanel);
    static QString selfDescription();
    // Where a menu of this size opens for an item at this place (or for a click at this point, as a 1x1
    // rectangle): beside the panel's area, which lies outside the screen's work area, so that it covers
    // neither the item nor the panel. Where the work area takes in the item, beside the item: below it in
    // the upper half of the screen, above it in the lower half.
    static QPoint menuPosition(const QRect &item, const QSize &menu, const QRect &screen, const QRect &workArea);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showWhenTrayAvailable();
    void makeTrayIcon();
    void updateItem();
    bool isPanelDark() const;
    const QIcon &icon(const QString &name, bool darkPanel);
    void openMenuAtItem();

    QPointer<ServicesController> m_servicesController;
    QPointer<QMenu> m_menu;
    platform::LogSink &m_log;
    std::function<bool()> m_isSystemTrayAvailable;
    QPointer<platform::DesktopColourScheme> m_colourScheme;
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
    QTimer m_trayPoll;
    // Each icon drawn once, by its resource's name; what the tray shows now, by the same name.
    QHash<QString, QIcon> m_icons;
    QString m_shownIcon;
};

} // namespace menubar
