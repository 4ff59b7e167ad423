#pragma once

#include "platform/widgets/InstallerPane.h"

#include <QDialog>
#include <QPointer>
#include <QPushButton>

#include <memory>

namespace platform {

// A plug-in's pane in a window of its own, for a host that is not the installer: the pane's title
// above its page, a "Not Now" button that closes the window and, where the installer would enable Next,
// a "Done" button in its place that closes it too.
// The window owns the pane and, through its widget tree, the pane's content view. Closing it only
// hides it; the pane is entered once, forward, when the window is made.
class InstallerPaneWindow : public QDialog
{
    Q_OBJECT

public:
    InstallerPaneWindow(std::unique_ptr<InstallerPane> pane, const QString &title, QWidget *parent = nullptr);
    ~InstallerPaneWindow() override;

    InstallerPane *pane() const { return m_pane.get(); }
    QPushButton *notNowButton() const { return m_notNowButton; }
    QPushButton *doneButton() const { return m_doneButton; }

private:
    void followNextEnabled(bool enabled);

    std::unique_ptr<InstallerPane> m_pane;
    QPointer<QPushButton> m_notNowButton;
    QPointer<QPushButton> m_doneButton;
};

} // namespace platform
