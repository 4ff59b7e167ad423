#include "platform/UserCalendar.h"

#import <Foundation/Foundation.h>

namespace platform {

int currentYearInUserCalendar()
{
    @autoreleasepool {
        return int([[NSCalendar currentCalendar] component:NSCalendarUnitYear fromDate:[NSDate date]]);
    }
}

} // namespace platform
