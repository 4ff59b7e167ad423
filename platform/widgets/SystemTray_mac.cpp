#include "platform/widgets/SystemTray.h"

namespace platform {

bool isTrayHostAvailable()
{
    return true; // the menu bar
}

bool trayOpensMenuOnClick()
{
    return true;
}

} // namespace platform
