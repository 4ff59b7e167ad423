#pragma once
// The InstallerPlugins framework as Apple's API reference lists it (InstallerPane, InstallerSection,
// InstallerSectionDirection:
// https://developer.apple.com/library/content/documentation/General/Reference/APIDiffsMacOSX10_10SeedDiff/modules/InstallerPlugins.html,
// with the Objective-C declarations of .../frameworks/InstallerPlugins.html). Only the parts our bundle uses.
#import <AppKit/AppKit.h>

// The values are not relied upon; only the names are.
typedef NS_ENUM(NSInteger, InstallerSectionDirection) {
    InstallerDirectionForward,
    InstallerDirectionBackward,
    InstallerDirectionUndefined,
};

@class InstallerPane;

@interface InstallerSection : NSObject
@property(readonly) NSBundle *bundle;
@property(readonly) NSString *title;
@property(readonly) InstallerPane *firstPane;
@property(readonly) BOOL shouldLoad;
@end

@interface InstallerPane : NSObject
- (instancetype)initWithSection:(id)parent;
@property(nonatomic, retain) NSView *contentView;
@property(readonly) NSString *title;
@property(readonly) InstallerSection *section;
@property BOOL nextEnabled;
@property BOOL previousEnabled;
- (void)willEnterPane:(InstallerSectionDirection)dir;
- (void)didEnterPane:(InstallerSectionDirection)dir;
- (BOOL)shouldExitPane:(InstallerSectionDirection)dir;
- (void)willExitPane:(InstallerSectionDirection)dir;
- (void)didExitPane:(InstallerSectionDirection)dir;
- (BOOL)gotoNextPane;
- (BOOL)gotoPreviousPane;
@end
