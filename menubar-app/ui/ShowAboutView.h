#pragma once

namespace menubar {

class BundleInfo;

// Shows a new About window, application-modal, and returns once the user has closed it.
void ShowAboutView(const BundleInfo &bundle);

} // namespace menubar
