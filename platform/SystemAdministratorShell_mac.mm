#include "AdministratorShell.h"

#import <Foundation/Foundation.h>

namespace platform {

void SystemAdministratorShell::run(const QString &command)
{
    @autoreleasepool {
        NSString *source = administratorScriptSource(escapeDoubleQuotes(command)).toNSString();
        NSAppleScript *script = [[NSAppleScript alloc] initWithSource:source];
        NSDictionary *errorInfo = nil;
        [script executeAndReturnError:&errorInfo];
        if (errorInfo != nil)
            throw AdministratorShellError(QString::fromNSString([errorInfo description]));
    }
}

} // namespace platform
