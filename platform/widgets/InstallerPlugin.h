#pragma once

#include "platform/widgets/InstallerPane.h"

// What an installer plug-in exports: one C function that makes its pane. The installer passes
// null and gets the pane on the plug-in's shipped defaults; a sandbox that knows the plug-in may
// pass the plug-in's own dependencies struct instead. The caller owns the pane it gets.
extern "C" {
platform::InstallerPane *createInstallerPane(const void *dependencies);
}

namespace platform {

using InstallerPaneFactory = InstallerPane *(*)(const void *dependencies);
inline constexpr char kInstallerPaneFactorySymbol[] = "createInstallerPane";

} // namespace platform
