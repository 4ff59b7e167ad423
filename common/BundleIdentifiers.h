#pragma once

#include <string_view>

namespace contract {

// The bundle identifiers of the two deliverables on macOS, also the subsystems they log under, so that
// `log show --predicate 'subsystem == "..."'` finds each one's lines. The Info.plist templates
// (menubar-app/ui, installer-pane/mac) repeat them.
inline constexpr std::string_view kMenuBarBundleIdentifier = "com.kelvane.osagent.menubar";
inline constexpr std::string_view kEnrollerBundleIdentifier = "com.kelvane.osagent.enroller";

} // namespace contract
