#pragma once

#include "platform/widgets/InstallerPane.h"

#include <QWizardPage>

#include <memory>

namespace platform {

// Shows a plug-in's pane as one page of the setup assistant. The page owns the pane and its
// content view. The wizard's Next button follows the pane's setNextEnabled() through
// isComplete(), which the wizard asks again on every page change.
class InstallerPanePage : public QWizardPage
{
    Q_OBJECT

public:
    explicit InstallerPanePage(std::unique_ptr<InstallerPane> pane, QWidget *parent = nullptr);
    ~InstallerPanePage() override;

    InstallerPane *pane() const { return m_pane.get(); }

    // To be called on every entry to the page, in either direction: the wizard calls
    // initializePage() only when it moves forward onto a page for the first time.
    void enterPane(PaneDirection direction);

    bool isComplete() const override;
    // QWizard::next() asks this, not the button: a pane that holds Next disabled is not left forward.
    bool validatePage() override;

private:
    std::unique_ptr<InstallerPane> m_pane;
};

} // namespace platform
