#include "installer-pane/ui/EnrollerPlugin.h"
#include "platform/widgets/InstallerPlugin.h"

// The plug-in's one export. The installer passes null; a sandbox may pass an
// installer::EnrollerDependencies (see EnrollerPlugin.h).
extern "C" Q_DECL_EXPORT platform::InstallerPane *createInstallerPane(const void *dependencies)
{
    const auto *given = static_cast<const installer::EnrollerDependencies *>(dependencies);
    return installer::createEnrollerPane(given ? *given : installer::EnrollerDependencies{}).release();
}
