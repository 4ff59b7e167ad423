#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QEventLoop;

namespace menubar {

// Watches the About window and ends the modal loop that runs it once the window closes.
class AboutViewController : public QObject
{
    Q_OBJECT

public:
    AboutViewController(QWidget *window, QEventLoop &modalLoop);

    void windowWillClose();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    QEventLoop &m_modalLoop;
};

} // namespace menubar
