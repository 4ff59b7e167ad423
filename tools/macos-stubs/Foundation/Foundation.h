#pragma once
// GNUstep's Foundation, and the methods of Apple's that GNUstep lacks and our sources call.
#include_next <Foundation/Foundation.h>

@class NSAppleEventDescriptor;

// https://developer.apple.com/documentation/foundation/nsapplescript: init(source:), executeAndReturnError(_:).
@interface NSAppleScript (AppleDocumented)
- (instancetype)initWithSource:(NSString *)source;
- (NSAppleEventDescriptor *)executeAndReturnError:(NSDictionary<NSString *, id> **)errorInfo;
@end

// https://developer.apple.com/documentation/foundation/nscalendar/component(_:from:), macOS 10.9.
@interface NSCalendar (AppleDocumented)
- (NSInteger)component:(NSCalendarUnit)unit fromDate:(NSDate *)date;
@end
