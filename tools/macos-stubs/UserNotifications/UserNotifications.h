#pragma once
// The UserNotifications framework as Apple's API reference lists it (UNUserNotificationCenter and its delegate,
// UNNotificationRequest, UNMutableNotificationContent, UNNotificationCategory, UNNotificationAction,
// UNNotificationResponse: https://developer.apple.com/documentation/usernotifications). Only the parts we use.
#import <Foundation/Foundation.h>

// The values are not relied upon; only the names are.
typedef NS_OPTIONS(NSUInteger, UNAuthorizationOptions) {
    UNAuthorizationOptionBadge = (1 << 0),
    UNAuthorizationOptionSound = (1 << 1),
    UNAuthorizationOptionAlert = (1 << 2),
};
typedef NS_OPTIONS(NSUInteger, UNNotificationActionOptions) {
    UNNotificationActionOptionNone = 0,
};
typedef NS_OPTIONS(NSUInteger, UNNotificationCategoryOptions) {
    UNNotificationCategoryOptionNone = 0,
};

@interface UNNotificationContent : NSObject
@property(readonly, copy) NSString *title;
@property(readonly, copy) NSString *body;
@property(readonly, copy) NSString *categoryIdentifier;
@end

@interface UNMutableNotificationContent : UNNotificationContent
@property(copy) NSString *title;
@property(copy) NSString *body;
@property(copy) NSString *categoryIdentifier;
@end

@interface UNNotificationTrigger : NSObject
@end

@interface UNNotificationRequest : NSObject
+ (instancetype)requestWithIdentifier:(NSString *)identifier
                              content:(UNNotificationContent *)content
                              trigger:(UNNotificationTrigger *)trigger;
@end

@interface UNNotificationAction : NSObject
+ (instancetype)actionWithIdentifier:(NSString *)identifier
                               title:(NSString *)title
                             options:(UNNotificationActionOptions)options;
@end

@interface UNNotificationCategory : NSObject
+ (instancetype)categoryWithIdentifier:(NSString *)identifier
                               actions:(NSArray *)actions
                     intentIdentifiers:(NSArray *)intentIdentifiers
                               options:(UNNotificationCategoryOptions)options;
@end

@interface UNNotificationResponse : NSObject
@property(readonly, copy) NSString *actionIdentifier;
@end

@class UNUserNotificationCenter;

@protocol UNUserNotificationCenterDelegate <NSObject>
@optional
- (void)userNotificationCenter:(UNUserNotificationCenter *)center
    didReceiveNotificationResponse:(UNNotificationResponse *)response
             withCompletionHandler:(void (^)(void))completionHandler;
@end

@interface UNUserNotificationCenter : NSObject
+ (UNUserNotificationCenter *)currentNotificationCenter;
@property(weak) id<UNUserNotificationCenterDelegate> delegate;
- (void)requestAuthorizationWithOptions:(UNAuthorizationOptions)options
                      completionHandler:(void (^)(BOOL granted, NSError *error))completionHandler;
- (void)setNotificationCategories:(NSSet *)categories;
- (void)addNotificationRequest:(UNNotificationRequest *)request
         withCompletionHandler:(void (^)(NSError *error))completionHandler;
@end
