#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class QMenu;

namespace platform {
class LogSink;
}

namespace menubar {

class ServicesController;

// The item in the menu bar (system tray): the controller's icon, drawn for the panel's brightness, the
// application's name and the state in words as tooltip, and the menu, which a left click opens as
// well. Where no tray exists yet the program keeps running and makes the item once one appears.
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
    };

    explicit MenuBarExtra(Dependencies dependencies, QObject *parent = nullptr);
    ~MenuBarExtra() override;

    // The item, or none while no tray host has been seen.
    const QSystemTrayIcon *trayIcon() const { return m_trayIcon.get(); }

    // The icon for a light panel or a dark one, marked as a template image: the macOS menu bar tints it.
    static QIcon iconNamed(const QString &name, bool darkPanel);
    static QString selfDescription();
    // Where a menu of this size opens for an item at this place: below it in the upper half of the
    // screen, above it in the lower half, so that it never covers the item.
    static QPoint menuPosition(const QRect &item, const QSize &menu, const QRect &screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showWhenTrayAvailable();
    void makeTrayIcon();
    void updateItem();
    void openMenuAtItem();

    QPointer<ServicesController> m_servicesController;
    QPointer<QMenu> m_menu;
    platform::LogSink &m_log;
    std::function<bool()> m_isSystemTrayAvailable;
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
    QTimer m_trayPoll;
};

} // namespace menubar
