#pragma once

#include "platform/widgets/InstallerPane.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QSettings;

namespace platform {
class InstallerPaneWindow;
}

namespace menubar {

class ServicesController;

// Makes the Enroller's page anew for each opening of the registration window.
using InstallerPaneFactory = std::function<std::unique_ptr<platform::InstallerPane>()>;

// The way to enrol from the menu-bar application: the Enroller's page in a window of the application's
// own, opened from the menu's entry and, once for each user, by itself at start while the machine is
// not enrolled. A registration that succeeds there is taken up by the controller at once.
class RegistrationOffer : public QObject
{
    Q_OBJECT

public:
    // The settings key under which the user's settings remember the opening at start.
    static constexpr char kOpenedAtStartKey[] = "registrationWindowOpenedAtStart";

    struct Dependencies
    {
        ServicesController *servicesController;
        QSettings &settings;
        InstallerPaneFactory newRegistrationPane;
        QString windowTitle;
    };

    explicit RegistrationOffer(Dependencies dependencies, QObject *parent = nullptr);
    ~RegistrationOffer() override;

    // Brings the open window forward, or opens a new one on a new page.
    void openWindow();
    // Opens the window if the machine is not enrolled and it has never opened by itself for this user.
    void openOnceAtStart();

    // The open window, or none: a closed one is deleted with its page.
    platform::InstallerPaneWindow *window() const;

private:
    void takeUpRegistration(bool succeeded);

    QPointer<ServicesController> m_servicesController;
    QSettings &m_settings;
    InstallerPaneFactory m_newRegistrationPane;
    QString m_windowTitle;
    QPointer<platform::InstallerPaneWindow> m_window;
};

} // namespace menubar
