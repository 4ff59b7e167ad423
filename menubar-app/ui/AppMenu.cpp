#include "menubar-app/ui/AppMenu.h"

#include "menubar-app/service/ServicesController.h"
#include "platform/AlertPresenter.h"
#include "platform/UrlOpener.h"

#include <QKeyEvent>
#include <QUrl>

namespace menubar {

AppMenu::AppMenu(Dependencies dependencies, QWidget *parent)
    : QMenu(parent)
    , m_servicesController(dependencies.servicesController)
    , m_alerts(dependencies.alerts)
    , m_urlOpener(dependencies.urlOpener)
    , m_logDirectory(std::move(dependencies.logDirectory))
    , m_showAbout(std::move(dependencies.showAbout))
    , m_terminate(std::move(dependencies.terminate))
{
    m_registerAction =
        addEntry(tr("Register This Computer…"), QStringLiteral("registerAction"), &AppMenu::registrationRequested);
    m_registerSeparator = addSeparator();
    m_startServiceAction =
        addEntry(tr("Start Kelvane OS Agent service"), QStringLiteral("startServiceAction"), &AppMenu::startService);
    m_stopServiceAction =
        addEntry(tr("Stop Kelvane OS Agent service"), QStringLiteral("stopServiceAction"), &AppMenu::stopService);
    addSeparator();
    m_aboutAction = addEntry(tr("About"), QStringLiteral("aboutAction"), &AppMenu::showAbout);
    m_openLogDirectoryAction = addEntry(tr("Open Application Log Directory"), QStringLiteral("openLogDirectoryAction"),
                                        &AppMenu::openLogDirectory);
    m_openLogDirectoryAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_exitAction = addEntry(tr("Exit"), QStringLiteral("exitAction"), &AppMenu::confirmQuit);
    m_exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    if (m_servicesController) {
        connect(m_servicesController, &ServicesController::isServiceRunningChanged, this,
                &AppMenu::updateServiceEntries);
        connect(m_servicesController, &ServicesController::isEnrolledChanged, this, &AppMenu::updateRegisterEntry);
    }
    updateServiceEntries();
    updateRegisterEntry();
}

QAction *AppMenu::addEntry(const QString &title, const QString &objectName, void (AppMenu::*handler)())
{
    QAction *action = addAction(title);
    action->setObjectName(objectName);
    // Keeps macOS from moving "About" and "Exit" into an application menu this program does not show.
    action->setMenuRole(QAction::NoRole);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void AppMenu::keyPressEvent(QKeyEvent *event)
{
    // A shortcut fires only inside its window, and the menu-bar item's menu belongs to none: while the
    // menu is open it acts on its entries' key equivalents itself, as a menu of the menu bar does.
    const QKeySequence pressed(event->keyCombination());
    for (QAction *action : actions()) {
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed) {
            hide();
            action->trigger();
            return;
        }
    }
    QMenu::keyPressEvent(event);
}

void AppMenu::updateServiceEntries()
{
    // One reading for both entries, so exactly one of them is enabled while the controller lives.
    const bool hasController = !m_servicesController.isNull();
    const bool running = hasController && m_servicesController->isServiceRunning();
    m_startServiceAction->setEnabled(hasController && !running);
    m_stopServiceAction->setEnabled(running);
}

void AppMenu::updateRegisterEntry()
{
    const bool enrolled = !m_servicesController || m_servicesController->isEnrolled();
    m_registerAction->setVisible(!enrolled);
    m_registerSeparator->setVisible(!enrolled);
}

void AppMenu::startService()
{
    if (m_servicesController)
        m_servicesController->startService();
}

void AppMenu::stopService()
{
    if (m_servicesController)
        m_servicesController->stopService();
}

void AppMenu::showAbout()
{
    if (m_showAbout)
        m_showAbout();
}

void AppMenu::openLogDirectory()
{
    // Whether the folder exists or anything could show it is of no concern here.
    m_urlOpener.openUrl(QUrl::fromLocalFile(m_logDirectory));
}

void AppMenu::confirmQuit()
{
    const platform::Alert alert{
        tr("Do You really want to close application?"),
        QString(),
        platform::AlertStyle::Warning,
        {platform::AlertPresenter::cancelButtonTitle(), tr("Close")},
    };
    if (m_alerts.runModal(alert) == platform::kAlertSecondButtonReturn && m_terminate)
        m_terminate();
}

} // namespace menubar
