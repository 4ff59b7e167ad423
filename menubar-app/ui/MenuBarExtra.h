#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <chrono>
#include <functional>

class QMenu;

namespace platform {
class LogSink;
}

namespace menubar {

class ServicesController;

// The item in the menu bar (system tray): the controller's icon, the application's name as tooltip,
// and the menu. Where no tray exists yet the program keeps running and shows the item once one appears.
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
        std::function<bool()> isSystemTrayAvailable;
        std::chrono::milliseconds trayPollInterval;
    };

    explicit MenuBarExtra(Dependencies dependencies, QObject *parent = nullptr);

    const QSystemTrayIcon &trayIcon() const { return m_trayIcon; }

    static QIcon iconNamed(const QString &name);
    static QString selfDescription();

private:
    void updateIcon();
    void showWhenTrayAvailable();

    QPointer<ServicesController> m_servicesController;
    QPointer<QMenu> m_menu;
    platform::LogSink &m_log;
    std::function<bool()> m_isSystemTrayAvailable;
    QSystemTrayIcon m_trayIcon;
    QTimer m_trayPoll;
};

} // namespace menubar
