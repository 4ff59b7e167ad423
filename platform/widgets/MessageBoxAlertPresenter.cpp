#include "platform/widgets/MessageBoxAlertPresenter.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

QMessageBox::Icon iconFor(AlertStyle style)
{
    switch (style) {
    case AlertStyle::Warning:
        return QMessageBox::Warning;
    case AlertStyle::Informational:
        return QMessageBox::Information;
    case AlertStyle::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int MessageBoxAlertPresenter::runModal(const Alert &alert)
{
    QMessageBox box;
    box.setIcon(iconFor(alert.style));
    box.setText(alert.messageText);
    box.setInformativeText(alert.informativeText);

    const QStringList titles = alert.buttons.isEmpty() ? QStringList{QMessageBox::tr("OK")} : alert.buttons;
    QList<QAbstractButton *> buttons;
    for (const QString &title : titles) {
        // One role for all keeps the buttons in the order they were added on every platform layout.
        QPushButton *button = box.addButton(title, QMessageBox::ActionRole);
        buttons.append(button);
        if (title == cancelButtonTitle())
            box.setEscapeButton(button);
    }
    box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
    if (buttons.size() == 1)
        box.setEscapeButton(buttons.first());

    box.exec();
    const qsizetype index = buttons.indexOf(box.clickedButton());
    return index < 0 ? kAlertNoButton : kAlertFirstButtonReturn + int(index);
}

} // namespace platform
