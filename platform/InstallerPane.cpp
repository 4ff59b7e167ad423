#include "InstallerPane.h"

namespace platform {

InstallerPane::InstallerPane(QObject *parent)
    : QObject(parent)
{
}

QString InstallerPane::title() const
{
    return QString();
}

void InstallerPane::willEnterPane(PaneDirection)
{
}

void InstallerPane::setNextEnabled(bool enabled)
{
    m_nextEnabled = enabled;
    emit nextEnabledChanged(enabled);
}

} // namespace platform
