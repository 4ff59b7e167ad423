// The macOS workflow's test host, written without a Mac: loads Enroller.bundle as Installer.app would and says
// what it finds, failing on the first thing missing. The bundle's code loads, with the Qt it carries; its principal
// class is an InstallerSection whose first pane is an InstallerPane, built on that Qt; its section title is there
// in every language that the application bundle lists (CFBundleLocalizations). NSBundle's loadAndReturnError:,
// principalClass, pathForResource:ofType:inDirectory:forLocalization: and objectForInfoDictionaryKey: as Apple's
// NSBundle reference gives them (https://developer.apple.com/documentation/foundation/nsbundle).
//   enroller-probe PATH/Enroller.bundle "PATH/Kelvane OS Agent.app"
#import <InstallerPlugins/InstallerPlugins.h>

#include <cstdio>

namespace {

int fail(NSString *message)
{
    std::fprintf(stderr, "enroller-probe: %s\n", message.UTF8String);
    return 1;
}

void say(NSString *message)
{
    std::printf("enroller-probe: %s\n", message.UTF8String);
}

// The English title is the Info.plist's own; the others are in LANGUAGE.lproj/InfoPlist.strings.
NSString *sectionTitle(NSBundle *bundle, NSString *language)
{
    if ([language isEqualToString:@"en"])
        return bundle.infoDictionary[@"InstallerSectionTitle"];
    NSString *path = [bundle pathForResource:@"InfoPlist" ofType:@"strings" inDirectory:nil forLocalization:language];
    return path == nil ? nil : [NSDictionary dictionaryWithContentsOfFile:path][@"InstallerSectionTitle"];
}

int probe(NSString *bundlePath, NSString *applicationPath)
{
    NSBundle *bundle = [NSBundle bundleWithPath:bundlePath];
    if (bundle == nil)
        return fail([NSString stringWithFormat:@"%@ is no bundle", bundlePath]);
    NSError *error = nil;
    if (![bundle loadAndReturnError:&error])
        return fail([NSString stringWithFormat:@"its code does not load: %@", error]);
    Class section = bundle.principalClass;
    if (section == Nil || ![section isSubclassOfClass:[InstallerSection class]])
        return fail([NSString stringWithFormat:@"its principal class %@ is no InstallerSection", section]);
    say([NSString stringWithFormat:@"principal class %@, an InstallerSection", section]);

    NSArray *languages = [NSBundle bundleWithPath:applicationPath].infoDictionary[@"CFBundleLocalizations"];
    if (languages.count == 0)
        return fail([NSString stringWithFormat:@"%@ lists no CFBundleLocalizations", applicationPath]);
    for (NSString *language in languages) {
        NSString *title = sectionTitle(bundle, language);
        if (title.length == 0)
            return fail([NSString stringWithFormat:@"no section title in %@", language]);
        say([NSString stringWithFormat:@"section title (%@): %@", language, title]);
    }

    // What Installer.app asks the section for: the page, made on the bundle's own Qt.
    InstallerSection *instance = [[section alloc] init];
    InstallerPane *pane = instance.firstPane;
    if (![pane isKindOfClass:[InstallerPane class]])
        return fail([NSString stringWithFormat:@"its first pane %@ is no InstallerPane", pane]);
    say([NSString stringWithFormat:@"first pane %@, an InstallerPane, titled \"%@\"", [pane class], pane.title]);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return fail(@"usage: enroller-probe PATH/Enroller.bundle \"PATH/Kelvane OS Agent.app\"");
    @autoreleasepool {
        return probe(@(argv[1]), @(argv[2]));
    }
}
