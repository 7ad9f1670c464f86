/* UIActionSheet.h: the action sheets of iOS before alert controllers: a title and a list of buttons. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>

@class UIToolbar, UITabBar, UIBarButtonItem;
@protocol UIActionSheetDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIActionSheetStyle) {
    UIActionSheetStyleAutomatic = -1,
    UIActionSheetStyleDefault = 0,
    UIActionSheetStyleBlackTranslucent = 2,
    UIActionSheetStyleBlackOpaque = 1
} API_UNAVAILABLE(tvos);

API_DEPRECATED("UIActionSheet is deprecated. Use UIAlertController with a preferredStyle of "
               "UIAlertControllerStyleActionSheet instead",
               ios(2.0, 8.3))
API_UNAVAILABLE(tvos)
@interface UIActionSheet : UIView
- (instancetype)initWithTitle:(nullable NSString *)title
                     delegate:(nullable id<UIActionSheetDelegate>)delegate
            cancelButtonTitle:(nullable NSString *)cancelButtonTitle
       destructiveButtonTitle:(nullable NSString *)destructiveButtonTitle
            otherButtonTitles:(nullable NSString *)otherButtonTitles, ... NS_REQUIRES_NIL_TERMINATION;
- (instancetype)initWithFrame:(CGRect)frame NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, nonatomic, weak) id<UIActionSheetDelegate> delegate;
@property (nonatomic, copy) NSString *title;
@property (nonatomic) UIActionSheetStyle actionSheetStyle;
- (NSInteger)addButtonWithTitle:(nullable NSString *)title;
- (nullable NSString *)buttonTitleAtIndex:(NSInteger)buttonIndex;
@property (nonatomic, readonly) NSInteger numberOfButtons;
@property (nonatomic) NSInteger cancelButtonIndex;
@property (nonatomic) NSInteger destructiveButtonIndex;
@property (nonatomic, readonly) NSInteger firstOtherButtonIndex;
@property (nonatomic, readonly, getter=isVisible) BOOL visible;
- (void)showFromToolbar:(UIToolbar *)view;
- (void)showFromTabBar:(UITabBar *)view;
- (void)showFromBarButtonItem:(UIBarButtonItem *)item animated:(BOOL)animated API_AVAILABLE(ios(3.2));
- (void)showFromRect:(CGRect)rect inView:(UIView *)view animated:(BOOL)animated API_AVAILABLE(ios(3.2));
- (void)showInView:(UIView *)view;
- (void)dismissWithClickedButtonIndex:(NSInteger)buttonIndex animated:(BOOL)animated;
@end

API_DEPRECATED("UIActionSheet is deprecated. Use UIAlertController with a preferredStyle of "
               "UIAlertControllerStyleActionSheet instead",
               ios(2.0, 8.3))
API_UNAVAILABLE(tvos)
@protocol UIActionSheetDelegate <NSObject>
@optional
- (void)actionSheet:(UIActionSheet *)actionSheet clickedButtonAtIndex:(NSInteger)buttonIndex;
- (void)actionSheetCancel:(UIActionSheet *)actionSheet;
@end

NS_ASSUME_NONNULL_END
