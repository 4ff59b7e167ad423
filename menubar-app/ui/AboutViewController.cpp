#include "menubar-app/ui/AboutViewController.h"

#include <QEvent>
#include <QEventLoop>

namespace menubar {

AboutViewController::AboutViewController(QWidget *window, QEventLoop &modalLoop)
    : m_window(window)
    , m_modalLoop(modalLoop)
{
    window->installEventFilter(this);
}

void AboutViewController::windowWillClose()
{
    m_modalLoop.exit();
}

bool AboutViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close)
        windowWillClose();
    return QObject::eventFilter(watched, event);
}

} // namespace menubar
