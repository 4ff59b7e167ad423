#include "platform/AdministratorShell.h"

#import <Foundation/Foundation.h>

namespace platform {

void SystemAdministratorShell::run(const QString &command)
{
    // Nothing may be thrown inside the pool: the failure is carried out of it and thrown after.
    bool failed = false;
    QString failure;
    @autoreleasepool {
        NSString *source = administratorScriptSource(escapeDoubleQuotes(command)).toNSString();
        NSAppleScript *script = [[NSAppleScript alloc] initWithSource:source];
        NSDictionary *errorInfo = nil;
        [script executeAndReturnError:&errorInfo];
        if (errorInfo != nil) {
            failed = true;
            failure = QString::fromNSString([errorInfo description]);
        }
    }
    if (failed)
        throw AdministratorShellError(failure);
}

} // namespace platform
