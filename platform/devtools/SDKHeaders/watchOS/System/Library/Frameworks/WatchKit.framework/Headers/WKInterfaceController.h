/* WKInterfaceController.h: the controllers of the scenes of a watchOS interface, and of notification interfaces. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIGeometry.h>
#import <WatchKit/WKDefines.h>

@class UIImage, WKInterfaceTable, UNNotification;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, WKMenuItemIcon) {
    WKMenuItemIconAccept,
    WKMenuItemIconAdd,
    WKMenuItemIconBlock,
    WKMenuItemIconDecline,
    WKMenuItemIconInfo,
    WKMenuItemIconMaybe,
    WKMenuItemIconMore,
    WKMenuItemIconMute,
    WKMenuItemIconPause,
    WKMenuItemIconPlay,
    WKMenuItemIconRepeat,
    WKMenuItemIconResume,
    WKMenuItemIconShare,
    WKMenuItemIconShuffle,
    WKMenuItemIconSpeaker,
    WKMenuItemIconTrash,
} API_DEPRECATED("Context menus are no longer supported", watchos(2.0, 7.0)) API_UNAVAILABLE(ios);

typedef NS_ENUM(NSInteger, WKUserNotificationInterfaceType) {
    WKUserNotificationInterfaceTypeDefault,
    WKUserNotificationInterfaceTypeCustom,
} API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios);

typedef NS_ENUM(NSInteger, WKInterfaceScrollPosition) {
    WKInterfaceScrollPositionTop,
    WKInterfaceScrollPositionCenterVertically,
    WKInterfaceScrollPositionBottom,
} API_AVAILABLE(watchos(4.0)) API_UNAVAILABLE(ios);

API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios)
@interface WKInterfaceController : NSObject

- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (void)awakeWithContext:(nullable id)context;

@property (nonatomic, readonly) CGRect contentFrame;
@property (nonatomic, readonly) UIEdgeInsets contentSafeAreaInsets API_AVAILABLE(watchos(5.0));
@property (nonatomic, readonly) UIEdgeInsets systemMinimumLayoutMargins API_AVAILABLE(watchos(5.0));

- (void)willActivate;
- (void)didDeactivate;
- (void)didAppear API_AVAILABLE(watchos(2.0));
- (void)willDisappear API_AVAILABLE(watchos(2.0));

- (void)table:(WKInterfaceTable *)table didSelectRowAtIndex:(NSInteger)rowIndex;

- (void)setTitle:(nullable NSString *)title;

- (void)pushControllerWithName:(NSString *)name context:(nullable id)context;
- (void)popController;
- (void)popToRootController;
- (void)presentControllerWithName:(NSString *)name context:(nullable id)context;
- (void)presentControllerWithNames:(NSArray<NSString *> *)names contexts:(nullable NSArray *)contexts;
- (void)dismissController;
- (void)becomeCurrentPage;

- (void)animateWithDuration:(NSTimeInterval)duration
                 animations:(void (^)(void))animations API_AVAILABLE(watchos(3.0));

- (void)addMenuItemWithImage:(UIImage *)image
                       title:(NSString *)title
                      action:(SEL)action API_DEPRECATED("Context menus are no longer supported", watchos(2.0, 7.0));
- (void)addMenuItemWithImageNamed:(NSString *)imageName
                            title:(NSString *)title
                           action:(SEL)action
    API_DEPRECATED("Context menus are no longer supported", watchos(2.0, 7.0));
- (void)addMenuItemWithItemIcon:(WKMenuItemIcon)itemIcon
                          title:(NSString *)title
                         action:(SEL)action
    API_DEPRECATED("Context menus are no longer supported", watchos(2.0, 7.0));
- (void)clearAllMenuItems API_DEPRECATED("Context menus are no longer supported", watchos(2.0, 7.0));

- (void)updateUserActivity:(NSString *)type
                  userInfo:(nullable NSDictionary *)userInfo
                webpageURL:(nullable NSURL *)webpageURL
    API_DEPRECATED("use updateUserActivity:", watchos(2.0, 5.0));
- (void)invalidateUserActivity;

+ (void)reloadRootPageControllersWithNames:(NSArray<NSString *> *)names
                                  contexts:(nullable NSArray *)contexts
                               orientation:(NSInteger)orientation
                                 pageIndex:(NSInteger)pageIndex API_AVAILABLE(watchos(4.0));

@end

API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios)
@interface WKUserNotificationInterfaceController : WKInterfaceController

- (instancetype)init NS_DESIGNATED_INITIALIZER;

- (void)didReceiveNotification:(UNNotification *)notification API_AVAILABLE(watchos(5.0));
- (void)didReceiveRemoteNotification:(NSDictionary *)remoteNotification
                      withCompletion:(void (^)(WKUserNotificationInterfaceType interface))completionHandler
    API_DEPRECATED("use didReceiveNotification:", watchos(2.0, 3.0));
- (void)didReceiveLocalNotification:(id)localNotification
                     withCompletion:(void (^)(WKUserNotificationInterfaceType interface))completionHandler
    API_DEPRECATED("use didReceiveNotification:", watchos(2.0, 3.0));

- (void)performNotificationDefaultAction API_AVAILABLE(watchos(5.0));
- (void)performDismissAction API_AVAILABLE(watchos(5.0));

@end

NS_ASSUME_NONNULL_END
