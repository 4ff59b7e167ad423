#include "platform/widgets/DesktopColourScheme.h"

namespace platform {

void DesktopColourScheme::setPrefersDark(std::optional<bool> prefersDark)
{
    update(m_desktopDark, prefersDark);
}

void DesktopColourScheme::setPanelDark(std::optional<bool> panelDark)
{
    update(m_panelDark, panelDark);
}

void DesktopColourScheme::update(std::optional<bool> &statement, std::optional<bool> value)
{
    const std::optional<bool> before = prefersDark();
    statement = value;
    if (prefersDark() != before)
        emit changed();
}

} // namespace platform
