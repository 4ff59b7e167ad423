#include "platform/widgets/DesktopColourScheme.h"

namespace platform {

void DesktopColourScheme::setPrefersDark(std::optional<bool> prefersDark)
{
    if (prefersDark == m_prefersDark)
        return;
    m_prefersDark = prefersDark;
    emit changed();
}

} // namespace platform
