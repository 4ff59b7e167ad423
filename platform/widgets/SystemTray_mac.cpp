#include "platform/widgets/SystemTray.h"

namespace platform {

bool isTrayHostAvailable()
{
    return true; // the menu bar
}

bool isTrayItemXEmbed()
{
    return false;
}

bool trayOpensMenuOnClick()
{
    return true;
}

void whenTrayWatcherStarts(QObject *, std::function<void()>)
{
    // The menu bar is always there.
}

} // namespace platform
