#include "platform/widgets/DesktopColourScheme.h"

namespace platform {

void followDesktopColourScheme(DesktopColourScheme &, QByteArrayView)
{
    // The menu bar draws template images in its own colours: there is nothing to follow.
}

} // namespace platform
