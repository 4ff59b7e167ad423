#pragma once

#import <InstallerPlugins/InstallerPlugins.h>

// Enroller's page in Installer.app. It shows the C++ RegistrationPane's widgets in its content view and
// forwards the page's title, every entry to it and its Next state between the two.
@interface EnrollerPane : InstallerPane
@end
