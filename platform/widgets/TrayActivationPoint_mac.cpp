#include "platform/widgets/TrayActivationPoint.h"

namespace platform {

// The menu bar opens the item's menu itself, where the item is.
void followTrayActivations(TrayActivationPoint &)
{}

} // namespace platform
