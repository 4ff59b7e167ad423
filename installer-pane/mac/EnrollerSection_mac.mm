#import "installer-pane/mac/EnrollerPane_mac.h"

// The bundle's principal class (NSPrincipalClass in its Info.plist). Installer.app asks it for the first
// page of its section; there is no nib to connect one.
@interface EnrollerSection : InstallerSection
@end

@implementation EnrollerSection {
    EnrollerPane *_pane;
}

- (InstallerPane *)firstPane
{
    // Made when first asked for, and the same page on every later entry.
    if (_pane == nil)
        _pane = [[EnrollerPane alloc] initWithSection:self];
    return _pane;
}

@end
