/* NSRunningApplication.h: running applications: their identity, state and icon, and activating, hiding or ending them. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSApplication.h>

NS_ASSUME_NONNULL_BEGIN

@class NSImage;

API_AVAILABLE(macos(10.6))
@interface NSRunningApplication : NSObject
@property (readonly, getter=isTerminated) BOOL terminated;
@property (readonly, getter=isFinishedLaunching) BOOL finishedLaunching;
@property (readonly, getter=isHidden) BOOL hidden;
@property (readonly, getter=isActive) BOOL active;
@property (readonly) BOOL ownsMenuBar API_AVAILABLE(macos(10.7));
@property (readonly) NSApplicationActivationPolicy activationPolicy;
@property (nullable, readonly, copy) NSString *localizedName;
@property (nullable, readonly, copy) NSString *bundleIdentifier;
@property (nullable, readonly, copy) NSURL *bundleURL;
@property (nullable, readonly, copy) NSURL *executableURL;
@property (readonly) pid_t processIdentifier;
@property (nullable, readonly, copy) NSDate *launchDate;
@property (nullable, readonly, strong) NSImage *icon;
@property (readonly) NSInteger executableArchitecture;
- (BOOL)hide;
- (BOOL)unhide;
- (BOOL)activateFromApplication:(NSRunningApplication *)application options:(NSApplicationActivationOptions)options API_AVAILABLE(macos(14.0));
- (BOOL)activateWithOptions:(NSApplicationActivationOptions)options;
- (BOOL)terminate;
- (BOOL)forceTerminate;
+ (NSArray<NSRunningApplication *> *)runningApplicationsWithBundleIdentifier:(NSString *)bundleIdentifier;
+ (nullable instancetype)runningApplicationWithProcessIdentifier:(pid_t)pid;
@property (class, readonly, strong) __kindof NSRunningApplication *currentApplication;
+ (void)terminateAutomaticallyTerminableApplications;
@end

NS_ASSUME_NONNULL_END
