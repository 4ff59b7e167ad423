#pragma once

#include <QMenu>
#include <QPointer>

#include <functional>

namespace platform {
class AlertPresenter;
class UrlOpener;
} // namespace platform

namespace menubar {

class ServicesController;

// The menu of the menu-bar item. Its actions are made once and only enabled, disabled, shown or hidden
// later: an action whose handler is still running (a prompt, the About window) must not be deleted.
class AppMenu : public QMenu
{
    Q_OBJECT

public:
    struct Dependencies
    {
        ServicesController *servicesController;
        platform::AlertPresenter &alerts;
        platform::UrlOpener &urlOpener;
        QString logDirectory;
        std::function<void()> showAbout;
        std::function<void()> terminate;
    };

    explicit AppMenu(Dependencies dependencies, QWidget *parent = nullptr);

    // Shown only while the machine is not enrolled, at the top, with a separator of its own.
    QAction *registerAction() const { return m_registerAction; }
    QAction *startServiceAction() const { return m_startServiceAction; }
    QAction *stopServiceAction() const { return m_stopServiceAction; }
    QAction *aboutAction() const { return m_aboutAction; }
    QAction *openLogDirectoryAction() const { return m_openLogDirectoryAction; }
    QAction *exitAction() const { return m_exitAction; }

signals:
    // The user picked "Register This Computer…".
    void registrationRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QAction *addEntry(const QString &title, const QString &objectName, void (AppMenu::*handler)());
    void updateServiceEntries();
    void updateRegisterEntry();
    void startService();
    void stopService();
    void showAbout();
    void openLogDirectory();
    void confirmQuit();

    QPointer<ServicesController> m_servicesController;
    platform::AlertPresenter &m_alerts;
    platform::UrlOpener &m_urlOpener;
    QString m_logDirectory;
    std::function<void()> m_showAbout;
    std::function<void()> m_terminate;

    QAction *m_registerAction = nullptr;
    QAction *m_registerSeparator = nullptr;
    QAction *m_startServiceAction = nullptr;
    QAction *m_stopServiceAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_openLogDirectoryAction = nullptr;
    QAction *m_exitAction = nullptr;
};

} // namespace menubar
