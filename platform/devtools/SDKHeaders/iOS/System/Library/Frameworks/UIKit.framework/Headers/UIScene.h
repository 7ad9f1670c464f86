/*
 * UIScene.h: scenes (one instance of the application's interface), their sessions and configurations, window
 * scenes, and the scene delegate protocols.
 */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIResponder.h>
#import <UIKit/UIApplication.h>

@class UIWindow, UIScreen, UIStoryboard, UIScene, UISceneSession, UITraitCollection;
@protocol UISceneDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UISceneActivationState) {
    UISceneActivationStateUnattached = -1,
    UISceneActivationStateForegroundActive,
    UISceneActivationStateForegroundInactive,
    UISceneActivationStateBackground
} API_AVAILABLE(ios(13.0));

typedef NSString *UISceneSessionRole NS_TYPED_EXTENSIBLE_ENUM;
UIKIT_EXTERN UISceneSessionRole const UIWindowSceneSessionRoleApplication API_AVAILABLE(ios(13.0));
UIKIT_EXTERN UISceneSessionRole const UIWindowSceneSessionRoleExternalDisplay API_AVAILABLE(ios(13.0));

API_AVAILABLE(ios(13.0))
@interface UISceneConnectionOptions : NSObject
- (instancetype)init NS_UNAVAILABLE;
+ (instancetype)new NS_UNAVAILABLE;
@property (nonatomic, readonly, copy) NSSet *URLContexts;
@property (nullable, nonatomic, readonly) NSString *sourceApplication;
@property (nullable, nonatomic, readonly) NSString *handoffUserActivityType;
@end

API_AVAILABLE(ios(13.0))
@interface UISceneConfiguration : NSObject <NSCopying, NSSecureCoding>
+ (instancetype)configurationWithName:(nullable NSString *)name sessionRole:(UISceneSessionRole)sessionRole;
- (instancetype)initWithName:(nullable NSString *)name sessionRole:(UISceneSessionRole)sessionRole NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
+ (instancetype)new NS_UNAVAILABLE;
@property (nonatomic, readonly, nullable) NSString *name;
@property (nonatomic, readonly) UISceneSessionRole role;
@property (nonatomic, nullable) Class sceneClass;
@property (nonatomic, nullable) Class delegateClass;
@property (nonatomic, nullable, strong) UIStoryboard *storyboard;
@end

API_AVAILABLE(ios(13.0))
@interface UISceneSession : NSObject <NSSecureCoding>
- (instancetype)init NS_UNAVAILABLE;
+ (instancetype)new NS_UNAVAILABLE;
@property (nonatomic, readonly, nullable) UIScene *scene;
@property (nonatomic, readonly) UISceneSessionRole role;
@property (nonatomic, readonly, copy) UISceneConfiguration *configuration;
@property (nonatomic, readonly) NSString *persistentIdentifier;
@property (nonatomic, nullable, copy) NSDictionary<NSString *, id> *userInfo;
@end

API_AVAILABLE(ios(13.0))
@interface UIScene : UIResponder
- (instancetype)initWithSession:(UISceneSession *)session
              connectionOptions:(UISceneConnectionOptions *)connectionOptions NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
+ (instancetype)new NS_UNAVAILABLE;
@property (nonatomic, readonly) UISceneSession *session;
@property (nullable, nonatomic, strong) id<UISceneDelegate> delegate;
@property (nonatomic, readonly) UISceneActivationState activationState;
@property (null_resettable, nonatomic, copy) NSString *title;
@end

API_AVAILABLE(ios(13.0))
@protocol UISceneDelegate <NSObject>
@optional
- (void)scene:(UIScene *)scene
    willConnectToSession:(UISceneSession *)session
                 options:(UISceneConnectionOptions *)connectionOptions;
- (void)sceneDidDisconnect:(UIScene *)scene;
- (void)sceneDidBecomeActive:(UIScene *)scene;
- (void)sceneWillResignActive:(UIScene *)scene;
- (void)sceneWillEnterForeground:(UIScene *)scene;
- (void)sceneDidEnterBackground:(UIScene *)scene;
- (void)scene:(UIScene *)scene openURLContexts:(NSSet *)URLContexts;
@end

API_AVAILABLE(ios(13.0))
@interface UIWindowScene : UIScene
@property (nonatomic, readonly) UIScreen *screen;
@property (nonatomic, readonly) UIInterfaceOrientation interfaceOrientation;
@property (nonatomic, readonly) UITraitCollection *traitCollection;
@property (nonatomic, readonly) NSArray<UIWindow *> *windows;
@property (nonatomic, readonly, nullable) UIWindow *keyWindow API_AVAILABLE(ios(15.0));
@end

API_AVAILABLE(ios(13.0))
@protocol UIWindowSceneDelegate <UISceneDelegate>
@optional
@property (nullable, nonatomic, strong) UIWindow *window;
@end

UIKIT_EXTERN NSNotificationName const UISceneWillConnectNotification API_AVAILABLE(ios(13.0));
UIKIT_EXTERN NSNotificationName const UISceneDidDisconnectNotification API_AVAILABLE(ios(13.0));
UIKIT_EXTERN NSNotificationName const UISceneDidActivateNotification API_AVAILABLE(ios(13.0));
UIKIT_EXTERN NSNotificationName const UISceneWillDeactivateNotification API_AVAILABLE(ios(13.0));
UIKIT_EXTERN NSNotificationName const UISceneWillEnterForegroundNotification API_AVAILABLE(ios(13.0));
UIKIT_EXTERN NSNotificationName const UISceneDidEnterBackgroundNotification API_AVAILABLE(ios(13.0));

NS_ASSUME_NONNULL_END
