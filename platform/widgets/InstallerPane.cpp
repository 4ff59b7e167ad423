#include "platform/widgets/InstallerPane.h"

namespace platform {

InstallerPane::InstallerPane(QObject *parent)
    : QObject(parent)
{}

InstallerPane::~InstallerPane()
{
    if (m_contentView && !m_contentView->parentWidget())
        delete m_contentView;
}

QString InstallerPane::title() const
{
    return QString();
}

void InstallerPane::willEnterPane(PaneDirection)
{}

void InstallerPane::setNextEnabled(bool enabled)
{
    m_nextEnabled = enabled;
    emit nextEnabledChanged(enabled);
}

} // namespace platform
