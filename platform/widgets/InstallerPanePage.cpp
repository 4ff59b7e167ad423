#include "platform/widgets/InstallerPanePage.h"

#include <QVBoxLayout>

namespace platform {

InstallerPanePage::InstallerPanePage(std::unique_ptr<InstallerPane> pane, QWidget *parent)
    : QWizardPage(parent)
    , m_pane(std::move(pane))
{
    setTitle(m_pane->title());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (QWidget *view = m_pane->contentView())
        layout->addWidget(view);
    connect(m_pane.get(), &InstallerPane::nextEnabledChanged, this, &QWizardPage::completeChanged);
}

InstallerPanePage::~InstallerPanePage() = default;

void InstallerPanePage::enterPane(PaneDirection direction)
{
    m_pane->willEnterPane(direction);
    setTitle(m_pane->title());
}

bool InstallerPanePage::isComplete() const
{
    return m_pane->isNextEnabled();
}

bool InstallerPanePage::validatePage()
{
    return isComplete();
}

} // namespace platform
