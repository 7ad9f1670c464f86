/*
 * UIApplication.h: the application object, its delegate protocol (launch, state changes, URLs, notifications,
 * scene sessions) and UIApplicationMain, which creates both and runs the main event loop.
 */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIResponder.h>
#import <UIKit/UIContentSizeCategory.h>

@class UIWindow, UIView, UIScene, UISceneSession, UISceneConfiguration, UISceneConnectionOptions, UIImage;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIApplicationState) {
    UIApplicationStateActive,
    UIApplicationStateInactive,
    UIApplicationStateBackground
} API_AVAILABLE(ios(4.0));

typedef NS_ENUM(NSInteger, UIInterfaceOrientation) {
    UIInterfaceOrientationUnknown = 0,
    UIInterfaceOrientationPortrait = 1,
    UIInterfaceOrientationPortraitUpsideDown = 2,
    UIInterfaceOrientationLandscapeLeft = 4,
    UIInterfaceOrientationLandscapeRight = 3
};

typedef NS_OPTIONS(NSUInteger, UIInterfaceOrientationMask) {
    UIInterfaceOrientationMaskPortrait = (1 << UIInterfaceOrientationPortrait),
    UIInterfaceOrientationMaskLandscapeLeft = (1 << UIInterfaceOrientationLandscapeLeft),
    UIInterfaceOrientationMaskLandscapeRight = (1 << UIInterfaceOrientationLandscapeRight),
    UIInterfaceOrientationMaskPortraitUpsideDown = (1 << UIInterfaceOrientationPortraitUpsideDown),
    UIInterfaceOrientationMaskLandscape = (UIInterfaceOrientationMaskLandscapeLeft | UIInterfaceOrientationMaskLandscapeRight),
    UIInterfaceOrientationMaskAll = (UIInterfaceOrientationMaskPortrait | UIInterfaceOrientationMaskLandscapeLeft |
                                     UIInterfaceOrientationMaskLandscapeRight |
                                     UIInterfaceOrientationMaskPortraitUpsideDown),
    UIInterfaceOrientationMaskAllButUpsideDown = (UIInterfaceOrientationMaskPortrait |
                                                  UIInterfaceOrientationMaskLandscapeLeft |
                                                  UIInterfaceOrientationMaskLandscapeRight),
};

static inline BOOL UIInterfaceOrientationIsPortrait(UIInterfaceOrientation orientation) {
    return orientation == UIInterfaceOrientationPortrait || orientation == UIInterfaceOrientationPortraitUpsideDown;
}
static inline BOOL UIInterfaceOrientationIsLandscape(UIInterfaceOrientation orientation) {
    return orientation == UIInterfaceOrientationLandscapeLeft || orientation == UIInterfaceOrientationLandscapeRight;
}

typedef NS_ENUM(NSInteger, UIStatusBarAnimation) {
    UIStatusBarAnimationNone,
    UIStatusBarAnimationFade API_AVAILABLE(ios(3.2)),
    UIStatusBarAnimationSlide API_AVAILABLE(ios(3.2)),
};

typedef NS_ENUM(NSInteger, UIStatusBarStyle) {
    UIStatusBarStyleDefault = 0,
    UIStatusBarStyleLightContent API_AVAILABLE(ios(7.0)) = 1,
    UIStatusBarStyleDarkContent API_AVAILABLE(ios(13.0)) = 3,
};

typedef NSUInteger UIBackgroundTaskIdentifier NS_TYPED_ENUM;
UIKIT_EXTERN const UIBackgroundTaskIdentifier UIBackgroundTaskInvalid API_AVAILABLE(ios(4.0));

typedef NSString *UIApplicationLaunchOptionsKey NS_TYPED_ENUM;
typedef NSString *UIApplicationOpenURLOptionsKey NS_TYPED_ENUM;
typedef NSString *UIApplicationOpenExternalURLOptionsKey NS_TYPED_ENUM;

@protocol UIApplicationDelegate;
@class UIUserNotificationSettings, UILocalNotification;

typedef NS_ENUM(NSInteger, UIUserInterfaceLayoutDirection) {
    UIUserInterfaceLayoutDirectionLeftToRight,
    UIUserInterfaceLayoutDirectionRightToLeft,
} API_AVAILABLE(ios(5.0));

typedef NS_ENUM(NSInteger, UIBackgroundRefreshStatus) {
    UIBackgroundRefreshStatusRestricted,
    UIBackgroundRefreshStatusDenied,
    UIBackgroundRefreshStatusAvailable
} API_AVAILABLE(ios(7.0));

@interface UIApplication : UIResponder

@property (class, nonatomic, readonly) UIApplication *sharedApplication
    NS_EXTENSION_UNAVAILABLE_IOS("Use view controller based solutions where appropriate instead.");
@property (nullable, nonatomic, weak) id<UIApplicationDelegate> delegate;

- (void)beginIgnoringInteractionEvents API_DEPRECATED("Use UIView's userInteractionEnabled property instead",
                                                      ios(2.0, 13.0));
- (void)endIgnoringInteractionEvents API_DEPRECATED("Use UIView's userInteractionEnabled property instead",
                                                    ios(2.0, 13.0));
@property (nullable, nonatomic, readonly) UIWindow *keyWindow
    API_DEPRECATED("Should not be used for applications that support multiple scenes as it returns a key window "
                   "across all connected scenes",
                   ios(2.0, 13.0));
@property (nonatomic, readonly) NSArray<__kindof UIWindow *> *windows
    API_DEPRECATED("Use UIWindowScene.windows on a relevant window scene instead", ios(2.0, 15.0));

- (BOOL)sendAction:(SEL)action to:(nullable id)target from:(nullable id)sender forEvent:(nullable UIEvent *)event;
- (void)sendEvent:(UIEvent *)event;

- (BOOL)canOpenURL:(NSURL *)url API_AVAILABLE(ios(3.0));
#if defined(__BLOCKS__)
- (void)openURL:(NSURL *)url
              options:(NSDictionary<UIApplicationOpenExternalURLOptionsKey, id> *)options
    completionHandler:(void (^__nullable)(BOOL success))completion API_AVAILABLE(ios(10.0))
    NS_EXTENSION_UNAVAILABLE_IOS("");
#endif
- (BOOL)openURL:(NSURL *)url API_DEPRECATED_WITH_REPLACEMENT("openURL:options:completionHandler:", ios(2.0, 10.0))
    NS_EXTENSION_UNAVAILABLE_IOS("");

@property (nonatomic, readonly) UIApplicationState applicationState API_AVAILABLE(ios(4.0));
@property (nonatomic, readonly) NSTimeInterval backgroundTimeRemaining API_AVAILABLE(ios(4.0));
#if defined(__BLOCKS__)
- (UIBackgroundTaskIdentifier)beginBackgroundTaskWithExpirationHandler:(void (^__nullable)(void))handler
    API_AVAILABLE(ios(4.0));
- (UIBackgroundTaskIdentifier)beginBackgroundTaskWithName:(nullable NSString *)taskName
                                        expirationHandler:(void (^__nullable)(void))handler API_AVAILABLE(ios(7.0));
#endif
- (void)endBackgroundTask:(UIBackgroundTaskIdentifier)identifier API_AVAILABLE(ios(4.0));

@property (nonatomic, getter=isIdleTimerDisabled) BOOL idleTimerDisabled;
@property (nonatomic, getter=isNetworkActivityIndicatorVisible) BOOL networkActivityIndicatorVisible
    API_DEPRECATED("Provide a custom network activity UI in your app if desired.", ios(2.0, 13.0));
@property (nonatomic) NSInteger applicationIconBadgeNumber;
@property (nonatomic, readonly) UIStatusBarStyle statusBarStyle
    API_DEPRECATED("Use the statusBarManager property of the window scene instead.", ios(2.0, 13.0));
@property (nonatomic, readonly) UIInterfaceOrientation statusBarOrientation
    API_DEPRECATED("Use the interfaceOrientation property of the window scene instead.", ios(2.0, 13.0));
@property (nonatomic, readonly) CGRect statusBarFrame
    API_DEPRECATED("Use the statusBarManager property of the window scene instead.", ios(2.0, 13.0));
@property (nonatomic, readonly, getter=isStatusBarHidden) BOOL statusBarHidden
    API_DEPRECATED("Use -[UIViewController prefersStatusBarHidden]", ios(2.0, 13.0));
- (void)setStatusBarHidden:(BOOL)hidden withAnimation:(UIStatusBarAnimation)animation
    API_DEPRECATED("Use -[UIViewController prefersStatusBarHidden]", ios(3.2, 9.0));
- (void)setStatusBarStyle:(UIStatusBarStyle)statusBarStyle animated:(BOOL)animated
    API_DEPRECATED("Use -[UIViewController preferredStatusBarStyle]", ios(2.0, 9.0));
@property (nonatomic, readonly, getter=isProtectedDataAvailable) BOOL protectedDataAvailable API_AVAILABLE(ios(4.0));
@property (nonatomic, readonly) BOOL supportsAlternateIcons API_AVAILABLE(ios(10.3));
@property (nullable, nonatomic, readonly) NSString *alternateIconName API_AVAILABLE(ios(10.3));

- (void)registerForRemoteNotifications API_AVAILABLE(ios(8.0));
- (void)unregisterForRemoteNotifications API_AVAILABLE(ios(3.0));
@property (nonatomic, readonly, getter=isRegisteredForRemoteNotifications) BOOL registeredForRemoteNotifications
    API_AVAILABLE(ios(8.0));

@property (nonatomic, readonly) UIUserInterfaceLayoutDirection userInterfaceLayoutDirection API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly) UIContentSizeCategory preferredContentSizeCategory API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly) UIBackgroundRefreshStatus backgroundRefreshStatus API_AVAILABLE(ios(7.0));
- (void)setMinimumBackgroundFetchInterval:(NSTimeInterval)minimumBackgroundFetchInterval
    API_DEPRECATED("Use a BGAppRefreshTask in the BackgroundTasks framework instead", ios(7.0, 13.0));
- (void)registerUserNotificationSettings:(UIUserNotificationSettings *)notificationSettings
    API_DEPRECATED("Use UserNotifications Framework's -[UNUserNotificationCenter requestAuthorizationWithOptions:"
                   "completionHandler:]", ios(8.0, 10.0));
@property (nonatomic, readonly, nullable) UIUserNotificationSettings *currentUserNotificationSettings
    API_DEPRECATED("Use UserNotifications Framework's -[UNUserNotificationCenter getNotificationSettingsWithCompletionHandler:]",
                   ios(8.0, 10.0));
- (void)presentLocalNotificationNow:(UILocalNotification *)notification
    API_DEPRECATED("Use UserNotifications Framework's -[UNUserNotificationCenter addNotificationRequest:"
                   "withCompletionHandler:]", ios(4.0, 10.0));
- (void)scheduleLocalNotification:(UILocalNotification *)notification
    API_DEPRECATED("Use UserNotifications Framework's -[UNUserNotificationCenter addNotificationRequest:"
                   "withCompletionHandler:]", ios(4.0, 10.0));
- (void)cancelLocalNotification:(UILocalNotification *)notification
    API_DEPRECATED("Use UserNotifications Framework's -[UNUserNotificationCenter removePendingNotificationRequests"
                   "WithIdentifiers:]", ios(4.0, 10.0));
- (void)cancelAllLocalNotifications
    API_DEPRECATED("Use UserNotifications Framework's -[UNUserNotificationCenter removeAllPendingNotificationRequests]",
                   ios(4.0, 10.0));
@property (nullable, nonatomic, copy) NSArray<UILocalNotification *> *scheduledLocalNotifications
    API_DEPRECATED("Use UserNotifications Framework's -[UNUserNotificationCenter getPendingNotificationRequestsWith"
                   "CompletionHandler:]", ios(4.0, 10.0));
- (void)beginReceivingRemoteControlEvents API_AVAILABLE(ios(4.0));
- (void)endReceivingRemoteControlEvents API_AVAILABLE(ios(4.0));
@property (nonatomic, readonly) NSSet<UIScene *> *connectedScenes API_AVAILABLE(ios(13.0));
@property (nonatomic, readonly) NSSet<UISceneSession *> *openSessions API_AVAILABLE(ios(13.0));
@property (nonatomic, readonly) BOOL supportsMultipleScenes API_AVAILABLE(ios(13.0));

@end

@protocol UIApplicationDelegate <NSObject>

@optional
- (void)applicationDidFinishLaunching:(UIApplication *)application;
- (BOOL)application:(UIApplication *)application
    willFinishLaunchingWithOptions:(nullable NSDictionary<UIApplicationLaunchOptionsKey, id> *)launchOptions
    API_AVAILABLE(ios(6.0));
- (BOOL)application:(UIApplication *)application
    didFinishLaunchingWithOptions:(nullable NSDictionary<UIApplicationLaunchOptionsKey, id> *)launchOptions
    API_AVAILABLE(ios(3.0));
- (void)applicationDidBecomeActive:(UIApplication *)application;
- (void)applicationWillResignActive:(UIApplication *)application;
- (BOOL)application:(UIApplication *)app
            openURL:(NSURL *)url
            options:(NSDictionary<UIApplicationOpenURLOptionsKey, id> *)options API_AVAILABLE(ios(9.0));
- (void)applicationDidReceiveMemoryWarning:(UIApplication *)application;
- (void)applicationWillTerminate:(UIApplication *)application;
- (void)applicationSignificantTimeChange:(UIApplication *)application;
- (void)application:(UIApplication *)application
    didRegisterForRemoteNotificationsWithDeviceToken:(NSData *)deviceToken API_AVAILABLE(ios(3.0));
- (void)application:(UIApplication *)application
    didFailToRegisterForRemoteNotificationsWithError:(NSError *)error API_AVAILABLE(ios(3.0));
- (void)applicationDidEnterBackground:(UIApplication *)application API_AVAILABLE(ios(4.0));
- (void)applicationWillEnterForeground:(UIApplication *)application API_AVAILABLE(ios(4.0));
- (void)applicationProtectedDataWillBecomeUnavailable:(UIApplication *)application API_AVAILABLE(ios(4.0));
- (void)applicationProtectedDataDidBecomeAvailable:(UIApplication *)application API_AVAILABLE(ios(4.0));
#if defined(__BLOCKS__)
- (void)application:(UIApplication *)application
    didReceiveRemoteNotification:(NSDictionary *)userInfo
          fetchCompletionHandler:(void (^)(NSInteger result))completionHandler API_AVAILABLE(ios(7.0));
- (void)application:(UIApplication *)application
    handleEventsForBackgroundURLSession:(NSString *)identifier
                      completionHandler:(void (^)(void))completionHandler API_AVAILABLE(ios(7.0));
#endif

/* The window of applications without scenes. */
@property (nullable, nonatomic, strong) UIWindow *window API_AVAILABLE(ios(5.0));

- (UIInterfaceOrientationMask)application:(UIApplication *)application
    supportedInterfaceOrientationsForWindow:(nullable UIWindow *)window API_AVAILABLE(ios(6.0));

- (UISceneConfiguration *)application:(UIApplication *)application
    configurationForConnectingSceneSession:(UISceneSession *)connectingSceneSession
                                   options:(UISceneConnectionOptions *)options API_AVAILABLE(ios(13.0));
- (void)application:(UIApplication *)application
    didDiscardSceneSessions:(NSSet<UISceneSession *> *)sceneSessions API_AVAILABLE(ios(13.0));

@end

/*
 * Creates the application object (of the named class, UIApplication when nil) and its delegate (of the named
 * class), and runs the main event loop; it never returns.
 */
UIKIT_EXTERN int UIApplicationMain(int argc, char *_Nullable argv[_Nonnull], NSString *_Nullable principalClassName,
                                   NSString *_Nullable delegateClassName);

UIKIT_EXTERN NSRunLoopMode const UITrackingRunLoopMode;

UIKIT_EXTERN NSNotificationName const UIApplicationDidEnterBackgroundNotification API_AVAILABLE(ios(4.0));
UIKIT_EXTERN NSNotificationName const UIApplicationWillEnterForegroundNotification API_AVAILABLE(ios(4.0));
UIKIT_EXTERN NSNotificationName const UIApplicationDidFinishLaunchingNotification;
UIKIT_EXTERN NSNotificationName const UIApplicationDidBecomeActiveNotification;
UIKIT_EXTERN NSNotificationName const UIApplicationWillResignActiveNotification;
UIKIT_EXTERN NSNotificationName const UIApplicationDidReceiveMemoryWarningNotification;
UIKIT_EXTERN NSNotificationName const UIApplicationWillTerminateNotification;
UIKIT_EXTERN NSNotificationName const UIApplicationSignificantTimeChangeNotification;
UIKIT_EXTERN NSNotificationName const UIApplicationWillChangeStatusBarOrientationNotification
    API_DEPRECATED("Use viewWillTransitionToSize:withTransitionCoordinator: instead.", ios(2.0, 13.0)) API_UNAVAILABLE(tvos);
UIKIT_EXTERN NSNotificationName const UIApplicationDidChangeStatusBarOrientationNotification
    API_DEPRECATED("Use viewWillTransitionToSize:withTransitionCoordinator: instead.", ios(2.0, 13.0)) API_UNAVAILABLE(tvos);
UIKIT_EXTERN NSString *const UIApplicationStatusBarOrientationUserInfoKey
    API_DEPRECATED("Use viewWillTransitionToSize:withTransitionCoordinator: instead.", ios(2.0, 13.0)) API_UNAVAILABLE(tvos);
UIKIT_EXTERN NSNotificationName const UIApplicationBackgroundRefreshStatusDidChangeNotification
    API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSNotificationName const UIApplicationProtectedDataWillBecomeUnavailable API_AVAILABLE(ios(4.0));
UIKIT_EXTERN NSNotificationName const UIApplicationProtectedDataDidBecomeAvailable API_AVAILABLE(ios(4.0));
UIKIT_EXTERN NSNotificationName const UIApplicationUserDidTakeScreenshotNotification API_AVAILABLE(ios(7.0));

UIKIT_EXTERN UIApplicationLaunchOptionsKey const UIApplicationLaunchOptionsURLKey API_AVAILABLE(ios(3.0));
UIKIT_EXTERN UIApplicationLaunchOptionsKey const UIApplicationLaunchOptionsSourceApplicationKey API_AVAILABLE(ios(3.0));
UIKIT_EXTERN UIApplicationLaunchOptionsKey const UIApplicationLaunchOptionsRemoteNotificationKey API_AVAILABLE(ios(3.0));
UIKIT_EXTERN UIApplicationOpenURLOptionsKey const UIApplicationOpenURLOptionsSourceApplicationKey API_AVAILABLE(ios(9.0));
UIKIT_EXTERN UIApplicationOpenURLOptionsKey const UIApplicationOpenURLOptionsAnnotationKey API_AVAILABLE(ios(9.0));
UIKIT_EXTERN UIApplicationOpenExternalURLOptionsKey const UIApplicationOpenURLOptionUniversalLinksOnly
    API_AVAILABLE(ios(10.0));
UIKIT_EXTERN NSString *const UIApplicationOpenSettingsURLString API_AVAILABLE(ios(8.0));

NS_ASSUME_NONNULL_END
