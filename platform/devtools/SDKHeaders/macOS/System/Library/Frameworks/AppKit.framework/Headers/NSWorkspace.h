/* NSWorkspace.h: the workspace: opening files, URLs and applications, file icons and types, running applications, and the notifications of the system. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSRunningApplication.h>

NS_ASSUME_NONNULL_BEGIN

@class NSImage, NSView, NSColor, NSScreen, NSWorkspaceOpenConfiguration;

typedef NS_OPTIONS(NSUInteger, NSWorkspaceIconCreationOptions) {
    NSExcludeQuickDrawElementsIconCreationOption = 1 << 1,
    NSExclude10_4ElementsIconCreationOption = 1 << 2
};

typedef NS_OPTIONS(NSUInteger, NSWorkspaceLaunchOptions) {
    NSWorkspaceLaunchAndPrint = 0x00000002,
    NSWorkspaceLaunchWithErrorPresentation = 0x00000040,
    NSWorkspaceLaunchInhibitingBackgroundOnly = 0x00000080,
    NSWorkspaceLaunchWithoutAddingToRecents = 0x00000100,
    NSWorkspaceLaunchWithoutActivation = 0x00000200,
    NSWorkspaceLaunchAsync = 0x00010000,
    NSWorkspaceLaunchNewInstance = 0x00080000,
    NSWorkspaceLaunchAndHide = 0x00100000,
    NSWorkspaceLaunchAndHideOthers = 0x00200000,
    NSWorkspaceLaunchDefault = NSWorkspaceLaunchAsync,
    NSWorkspaceLaunchAllowingClassicStartup = 0x00020000,
    NSWorkspaceLaunchPreferringClassic = 0x00040000
} API_DEPRECATED("Use NSWorkspaceOpenConfiguration instead.", macos(10.3, 11.0));

typedef NSString *NSWorkspaceLaunchConfigurationKey NS_TYPED_ENUM;
APPKIT_EXTERN NSWorkspaceLaunchConfigurationKey const NSWorkspaceLaunchConfigurationAppleEvent API_DEPRECATED("Use NSWorkspaceOpenConfiguration instead.", macos(10.6, 11.0));
APPKIT_EXTERN NSWorkspaceLaunchConfigurationKey const NSWorkspaceLaunchConfigurationArguments API_DEPRECATED("Use NSWorkspaceOpenConfiguration instead.", macos(10.6, 11.0));
APPKIT_EXTERN NSWorkspaceLaunchConfigurationKey const NSWorkspaceLaunchConfigurationEnvironment API_DEPRECATED("Use NSWorkspaceOpenConfiguration instead.", macos(10.6, 11.0));
APPKIT_EXTERN NSWorkspaceLaunchConfigurationKey const NSWorkspaceLaunchConfigurationArchitecture API_DEPRECATED("Use NSWorkspaceOpenConfiguration instead.", macos(10.6, 11.0));

typedef NSString *NSWorkspaceFileOperationName NS_TYPED_ENUM;
APPKIT_EXTERN NSWorkspaceFileOperationName const NSWorkspaceRecycleOperation API_DEPRECATED("Use -[NSWorkspace recycleURLs:completionHandler:] instead.", macos(10.0, 10.11));

APPKIT_EXTERN NSString *const NSWorkspaceApplicationKey API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName const NSWorkspaceWillLaunchApplicationNotification;
APPKIT_EXTERN NSNotificationName const NSWorkspaceDidLaunchApplicationNotification;
APPKIT_EXTERN NSNotificationName const NSWorkspaceDidTerminateApplicationNotification;
APPKIT_EXTERN NSNotificationName const NSWorkspaceDidHideApplicationNotification API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName const NSWorkspaceDidUnhideApplicationNotification API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName const NSWorkspaceDidActivateApplicationNotification API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName const NSWorkspaceDidDeactivateApplicationNotification API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSString *const NSWorkspaceVolumeLocalizedNameKey API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSString *const NSWorkspaceVolumeURLKey API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName const NSWorkspaceDidMountNotification;
APPKIT_EXTERN NSNotificationName const NSWorkspaceDidUnmountNotification;
APPKIT_EXTERN NSNotificationName const NSWorkspaceWillUnmountNotification;
APPKIT_EXTERN NSNotificationName const NSWorkspaceDidRenameVolumeNotification API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName const NSWorkspaceWillPowerOffNotification;
APPKIT_EXTERN NSNotificationName const NSWorkspaceWillSleepNotification;
APPKIT_EXTERN NSNotificationName const NSWorkspaceDidWakeNotification;
APPKIT_EXTERN NSNotificationName const NSWorkspaceScreensDidSleepNotification API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName const NSWorkspaceScreensDidWakeNotification API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName const NSWorkspaceSessionDidBecomeActiveNotification;
APPKIT_EXTERN NSNotificationName const NSWorkspaceSessionDidResignActiveNotification;
APPKIT_EXTERN NSNotificationName const NSWorkspaceActiveSpaceDidChangeNotification API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName const NSWorkspaceDidChangeFileLabelsNotification API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName const NSWorkspaceAccessibilityDisplayOptionsDidChangeNotification API_AVAILABLE(macos(10.10));

@interface NSWorkspace : NSObject
@property (class, readonly, strong) NSWorkspace *sharedWorkspace;
@property (readonly, strong) NSNotificationCenter *notificationCenter;
- (BOOL)openURL:(NSURL *)url;
- (void)openURL:(NSURL *)url configuration:(NSWorkspaceOpenConfiguration *)configuration completionHandler:(void (^_Nullable)(NSRunningApplication *_Nullable app, NSError *_Nullable error))completionHandler API_AVAILABLE(macos(10.15));
- (void)openURLs:(NSArray<NSURL *> *)urls withApplicationAtURL:(NSURL *)applicationURL configuration:(NSWorkspaceOpenConfiguration *)configuration completionHandler:(void (^_Nullable)(NSRunningApplication *_Nullable app, NSError *_Nullable error))completionHandler API_AVAILABLE(macos(10.15));
- (void)openApplicationAtURL:(NSURL *)applicationURL configuration:(NSWorkspaceOpenConfiguration *)configuration completionHandler:(void (^_Nullable)(NSRunningApplication *_Nullable app, NSError *_Nullable error))completionHandler API_AVAILABLE(macos(10.15));
- (BOOL)openFile:(NSString *)fullPath API_DEPRECATED("Use -[NSWorkspace openURL:] instead.", macos(10.0, 11.0));
- (BOOL)openFile:(NSString *)fullPath withApplication:(nullable NSString *)appName API_DEPRECATED("Use -[NSWorkspace openURLs:withApplicationAtURL:configuration:completionHandler:] instead.", macos(10.0, 11.0));
- (BOOL)openFile:(NSString *)fullPath withApplication:(nullable NSString *)appName andDeactivate:(BOOL)flag API_DEPRECATED("Use -[NSWorkspace openURLs:withApplicationAtURL:configuration:completionHandler:] instead.", macos(10.0, 11.0));
- (BOOL)launchApplication:(NSString *)appName API_DEPRECATED("Use -[NSWorkspace openApplicationAtURL:configuration:completionHandler:] instead.", macos(10.0, 11.0));
- (nullable NSRunningApplication *)launchApplicationAtURL:(NSURL *)url options:(NSWorkspaceLaunchOptions)options configuration:(NSDictionary<NSWorkspaceLaunchConfigurationKey, id> *)configuration error:(NSError **)error API_DEPRECATED("Use -[NSWorkspace openApplicationAtURL:configuration:completionHandler:] instead.", macos(10.6, 11.0));
- (BOOL)launchAppWithBundleIdentifier:(NSString *)bundleIdentifier options:(NSWorkspaceLaunchOptions)options additionalEventParamDescriptor:(nullable id)descriptor launchIdentifier:(NSNumber *_Nullable *_Nullable)identifier API_DEPRECATED("Use -[NSWorkspace openApplicationAtURL:configuration:completionHandler:] instead.", macos(10.0, 11.0));
- (BOOL)openURLs:(NSArray<NSURL *> *)urls withAppBundleIdentifier:(nullable NSString *)bundleIdentifier options:(NSWorkspaceLaunchOptions)options additionalEventParamDescriptor:(nullable id)descriptor launchIdentifiers:(NSArray<NSNumber *> *_Nullable *_Nullable)identifiers API_DEPRECATED("Use -[NSWorkspace openURLs:withApplicationAtURL:configuration:completionHandler:] instead.", macos(10.0, 11.0));
- (BOOL)selectFile:(nullable NSString *)fullPath inFileViewerRootedAtPath:(NSString *)rootFullPath;
- (void)activateFileViewerSelectingURLs:(NSArray<NSURL *> *)fileURLs API_AVAILABLE(macos(10.6));
- (BOOL)showSearchResultsForQueryString:(NSString *)queryString API_AVAILABLE(macos(10.6));
- (void)noteFileSystemChanged:(NSString *)path;
- (BOOL)isFilePackageAtPath:(NSString *)fullPath;
- (NSImage *)iconForFile:(NSString *)fullPath;
- (nullable NSImage *)iconForFiles:(NSArray<NSString *> *)fullPaths;
- (NSImage *)iconForFileType:(NSString *)fileType API_DEPRECATED("Use -[NSWorkspace iconForContentType:] instead.", macos(10.0, 12.0));
- (BOOL)setIcon:(nullable NSImage *)image forFile:(NSString *)fullPath options:(NSWorkspaceIconCreationOptions)options;
@property (readonly, copy) NSArray<NSString *> *fileLabels API_AVAILABLE(macos(10.6));
@property (readonly, copy) NSArray<NSColor *> *fileLabelColors API_AVAILABLE(macos(10.6));
- (void)recycleURLs:(NSArray<NSURL *> *)URLs completionHandler:(void (^_Nullable)(NSDictionary<NSURL *, NSURL *> *newURLs, NSError *_Nullable error))handler API_AVAILABLE(macos(10.6));
- (void)duplicateURLs:(NSArray<NSURL *> *)URLs completionHandler:(void (^_Nullable)(NSDictionary<NSURL *, NSURL *> *newURLs, NSError *_Nullable error))handler API_AVAILABLE(macos(10.6));
- (BOOL)getFileSystemInfoForPath:(NSString *)fullPath isRemovable:(nullable BOOL *)removableFlag isWritable:(nullable BOOL *)writableFlag isUnmountable:(nullable BOOL *)unmountableFlag description:(NSString *_Nullable *_Nullable)description type:(NSString *_Nullable *_Nullable)fileSystemType;
- (BOOL)performFileOperation:(NSWorkspaceFileOperationName)operation source:(NSString *)source destination:(NSString *)destination files:(NSArray *)files tag:(nullable NSInteger *)tag API_DEPRECATED("Use -[NSWorkspace recycleURLs:completionHandler:] instead.", macos(10.0, 10.11));
- (BOOL)unmountAndEjectDeviceAtPath:(NSString *)path;
- (BOOL)unmountAndEjectDeviceAtURL:(NSURL *)url error:(NSError **)error API_AVAILABLE(macos(10.6));
- (NSInteger)extendPowerOffBy:(NSInteger)requested;
- (void)hideOtherApplications;
- (nullable NSURL *)URLForApplicationWithBundleIdentifier:(NSString *)bundleIdentifier API_AVAILABLE(macos(10.6));
- (NSArray<NSURL *> *)URLsForApplicationsWithBundleIdentifier:(NSString *)bundleIdentifier API_AVAILABLE(macos(12.0));
- (nullable NSURL *)URLForApplicationToOpenURL:(NSURL *)url API_AVAILABLE(macos(10.6));
- (NSArray<NSURL *> *)URLsForApplicationsToOpenURL:(NSURL *)url API_AVAILABLE(macos(12.0));
- (nullable NSString *)fullPathForApplication:(NSString *)appName API_DEPRECATED("Use -[NSWorkspace URLForApplicationWithBundleIdentifier:] instead.", macos(10.0, 11.0));
- (nullable NSString *)absolutePathForAppBundleWithIdentifier:(NSString *)bundleIdentifier API_DEPRECATED("Use -[NSWorkspace URLForApplicationWithBundleIdentifier:] instead.", macos(10.0, 10.15));
- (BOOL)getInfoForFile:(NSString *)fullPath application:(NSString *_Nullable *_Nullable)appName type:(NSString *_Nullable *_Nullable)type API_DEPRECATED("Use -[NSWorkspace URLForApplicationToOpenURL:] to get the URL of an application that will open a given item.", macos(10.0, 11.0));
- (nullable NSString *)typeOfFile:(NSString *)absoluteFilePath error:(NSError **)outError API_DEPRECATED("Use -[NSURL getResourceValue:forKey:error:] with NSURLContentTypeKey instead.", macos(10.5, 11.0));
- (nullable NSString *)localizedDescriptionForType:(NSString *)typeName API_DEPRECATED("Use UTType.localizedDescription instead.", macos(10.5, 11.0));
- (nullable NSString *)preferredFilenameExtensionForType:(NSString *)typeName API_DEPRECATED("Use UTType.preferredFilenameExtension instead.", macos(10.5, 11.0));
- (BOOL)filenameExtension:(NSString *)filenameExtension isValidForType:(NSString *)typeName API_DEPRECATED("Use UTType instead.", macos(10.5, 11.0));
- (BOOL)type:(NSString *)firstTypeName conformsToType:(NSString *)secondTypeName API_DEPRECATED("Use -[UTType conformsToType:] instead.", macos(10.5, 11.0));
@property (readonly, copy) NSArray<NSRunningApplication *> *runningApplications API_AVAILABLE(macos(10.6));
@property (nullable, readonly, strong) NSRunningApplication *frontmostApplication API_AVAILABLE(macos(10.7));
@property (nullable, readonly, strong) NSRunningApplication *menuBarOwningApplication API_AVAILABLE(macos(10.7));
- (nullable NSArray<NSDictionary *> *)launchedApplications API_DEPRECATED("Use -[NSWorkspace runningApplications] instead.", macos(10.0, 10.7));
- (nullable NSDictionary *)activeApplication API_DEPRECATED("Use -[NSWorkspace frontmostApplication] instead.", macos(10.0, 10.7));
- (nullable NSArray<NSString *> *)mountedLocalVolumePaths API_DEPRECATED("Use -[NSFileManager mountedVolumeURLsIncludingResourceValuesForKeys:options:] instead.", macos(10.0, 10.7));
- (nullable NSURL *)desktopImageURLForScreen:(NSScreen *)screen API_AVAILABLE(macos(10.6));
- (BOOL)setDesktopImageURL:(NSURL *)url forScreen:(NSScreen *)screen options:(NSDictionary *)options error:(NSError **)error API_AVAILABLE(macos(10.6));
- (nullable NSDictionary *)desktopImageOptionsForScreen:(NSScreen *)screen API_AVAILABLE(macos(10.6));
@property (readonly) BOOL accessibilityDisplayShouldIncreaseContrast API_AVAILABLE(macos(10.10));
@property (readonly) BOOL accessibilityDisplayShouldDifferentiateWithoutColor API_AVAILABLE(macos(10.10));
@property (readonly) BOOL accessibilityDisplayShouldReduceTransparency API_AVAILABLE(macos(10.10));
@property (readonly) BOOL accessibilityDisplayShouldReduceMotion API_AVAILABLE(macos(10.12));
@property (readonly) BOOL accessibilityDisplayShouldInvertColors API_AVAILABLE(macos(10.12));
@property (readonly, getter=isVoiceOverEnabled) BOOL voiceOverEnabled API_AVAILABLE(macos(10.13));
@property (readonly, getter=isSwitchControlEnabled) BOOL switchControlEnabled API_AVAILABLE(macos(10.13));
@end

API_AVAILABLE(macos(10.15))
@interface NSWorkspaceOpenConfiguration : NSObject <NSCopying>
+ (instancetype)configuration;
@property BOOL promptsUserIfNeeded;
@property BOOL addsToRecentItems;
@property BOOL activates;
@property BOOL hides;
@property BOOL hidesOthers;
@property (getter=isForPrinting) BOOL forPrinting;
@property BOOL createsNewApplicationInstance;
@property BOOL allowsRunningApplicationSubstitution;
@property (copy) NSArray<NSString *> *arguments;
@property (copy) NSDictionary<NSString *, NSString *> *environment;
@property BOOL requiresUniversalLinks;
@end

NS_ASSUME_NONNULL_END
