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
class TrayActivationPoint;
} // namespace platform

namespace menubar {

class ServicesController;

// The item in the menu bar (system tray): the controller's icon, drawn for the panel's brightness, the
// application's name and the state in words as tooltip, and the menu, handed to the tray. Where the tray
// opens that menu only on a right click (Linux), a left click opens it too, beside the panel and in the
// panel's colours; so does a right click that reaches the application. Where no tray exists yet the program
// keeps running and makes the item once one appears.
// The controller publishes its state at every check; the item hands the tray a new icon or tooltip only
// when that changes what it shows, and loads each icon once: the tray keeps what it is handed.
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
        // Where the tray host says the item was activated; none: at the pointer.
        platform::TrayActivationPoint *activationPoint = nullptr;
    };

    explicit MenuBarExtra(Dependencies dependencies, QObject *parent = nullptr);
    ~MenuBarExtra() override;

    // The item, or none while no tray host has been seen.
    const QSystemTrayIcon *trayIcon() const { return m_trayIcon.get(); }

    // The icon for a light panel or a dark one, marked as a template image: the macOS menu bar tints it.
    static QIcon iconNamed(const QString &name, bool darkPanel);
    static QString selfDescription();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showWhenTrayAvailable();
    void makeTrayIcon();
    void updateItem();
    bool isPanelDark() const;
    const QIcon &icon(const QString &name, bool darkPanel);
    void openMenuAtItem(QSystemTrayIcon::ActivationReason reason);

    QPointer<ServicesController> m_servicesController;
    QPointer<QMenu> m_menu;
    platform::LogSink &m_log;
    std::function<bool()> m_isSystemTrayAvailable;
    QPointer<platform::DesktopColourScheme> m_colourScheme;
    QPointer<platform::TrayActivationPoint> m_activationPoint;
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
    QTimer m_trayPoll;
    // Each icon loaded once, by the name of its images; what the tray shows now, by the same name.
    QHash<QString, QIcon> m_icons;
    QString m_shownIcon;
};

} // namespace menubar
