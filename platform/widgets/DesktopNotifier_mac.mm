// The system's user notifications (UserNotifications framework, macOS 10.14 and later):
// https://developer.apple.com/documentation/usernotifications/unusernotificationcenter
// Written without a Mac at hand; the macOS workflow builds it.
#include "platform/widgets/DesktopNotifier.h"

#include "platform/LogSink.h"

#include <QMetaObject>
#include <QPointer>

#import <UserNotifications/UserNotifications.h>

// Hands the user's choice of the action back to the notifier, on the main thread.
@interface KelvaneNotificationDelegate : NSObject <UNUserNotificationCenterDelegate> {
    QPointer<platform::DesktopNotifier> _notifier;
}
- (instancetype)initWithNotifier:(platform::DesktopNotifier *)notifier;
@end

@implementation KelvaneNotificationDelegate
- (instancetype)initWithNotifier:(platform::DesktopNotifier *)notifier
{
    if ((self = [super init]))
        _notifier = notifier;
    return self;
}

- (void)userNotificationCenter:(UNUserNotificationCenter *)center
    didReceiveNotificationResponse:(UNNotificationResponse *)response
             withCompletionHandler:(void (^)(void))completionHandler
{
    (void)center;
    if ([response.actionIdentifier isEqualToString:@"start"]) {
        QPointer<platform::DesktopNotifier> notifier = _notifier;
        QMetaObject::invokeMethod(
            notifier.data(),
            [notifier] {
                if (notifier)
                    emit notifier->actionInvoked();
            },
            Qt::QueuedConnection);
    }
    completionHandler();
}
@end

namespace platform {

namespace {
// One request identifier: a new notification replaces the one shown before.
NSString *const kIdentifier = @"com.kelvane.osagent.backups";
NSString *const kCategory = @"backups";
} // namespace

struct DesktopNotifier::Platform
{
    // The centre holds its delegate weakly.
    KelvaneNotificationDelegate *delegate = nil;
};

DesktopNotifier::DesktopNotifier(LogSink &log, QObject *parent)
    : UserNotifier(parent)
    , m_log(log)
    , m_platform(std::make_unique<Platform>())
{
    m_platform->delegate = [[KelvaneNotificationDelegate alloc] initWithNotifier:this];
    [UNUserNotificationCenter currentNotificationCenter].delegate = m_platform->delegate;
}

DesktopNotifier::~DesktopNotifier() = default;

void DesktopNotifier::notify(const Notification &notification)
{
    UNUserNotificationCenter *center = [UNUserNotificationCenter currentNotificationCenter];
    UNNotificationAction *start = [UNNotificationAction actionWithIdentifier:@"start"
                                                                       title:notification.actionTitle.toNSString()
                                                                     options:UNNotificationActionOptionNone];
    NSArray *actions = notification.actionTitle.isEmpty() ? @[] : @[ start ];
    [center setNotificationCategories:[NSSet setWithObject:[UNNotificationCategory categoryWithIdentifier:kCategory
                                                                                                  actions:actions
                                                                                        intentIdentifiers:@[]
                                                                                                  options:0]]];
    UNMutableNotificationContent *content = [[UNMutableNotificationContent alloc] init];
    content.title = notification.title.toNSString();
    content.body = notification.body.toNSString();
    content.categoryIdentifier = kCategory;
    UNNotificationRequest *request = [UNNotificationRequest requestWithIdentifier:kIdentifier
                                                                          content:content
                                                                          trigger:nil];
    LogSink *log = &m_log;
    // Asked once: the system remembers the answer and asks nobody again. A refusal is respected and logged.
    [center requestAuthorizationWithOptions:UNAuthorizationOptionAlert
                          completionHandler:^(BOOL granted, NSError *error) {
                            (void)error;
                            if (!granted) {
                                log->write(LogLevel::Info, QStringLiteral("Kelvane_OS_Agent.DesktopNotifier "
                                                                          "notifications not allowed by the user"));
                                return;
                            }
                            [center addNotificationRequest:request withCompletionHandler:nil];
                          }];
}

void DesktopNotifier::actionChosen(uint, const QString &)
{}

} // namespace platform
