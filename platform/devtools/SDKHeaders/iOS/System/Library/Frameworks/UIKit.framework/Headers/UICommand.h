/* UICommand.h: commands of menus and the keyboard: key modifier flags, key commands and the special key inputs. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIMenu.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSInteger, UIKeyModifierFlags) {
    UIKeyModifierAlphaShift = 1 << 16,
    UIKeyModifierShift = 1 << 17,
    UIKeyModifierControl = 1 << 18,
    UIKeyModifierAlternate = 1 << 19,
    UIKeyModifierCommand = 1 << 20,
    UIKeyModifierNumericPad = 1 << 21,
} API_AVAILABLE(ios(7.0));

/* Key commands (iOS 7) derive from it: the class itself carries no availability, so that they need no guard. */
@interface UICommand : UIMenuElement
@property (nonatomic, copy) NSString *title API_AVAILABLE(ios(13.0));
@property (nullable, nonatomic, copy) UIImage *image API_AVAILABLE(ios(13.0));
@property (nullable, nonatomic, copy) NSString *discoverabilityTitle API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly) SEL action API_AVAILABLE(ios(13.0));
@property (nullable, nonatomic, readonly) id propertyList API_AVAILABLE(ios(13.0));
@property (nonatomic) UIMenuElementAttributes attributes API_AVAILABLE(ios(13.0));
@property (nonatomic) UIMenuElementState state API_AVAILABLE(ios(13.0));
+ (instancetype)commandWithTitle:(NSString *)title
                           image:(nullable UIImage *)image
                          action:(SEL)action
                    propertyList:(nullable id)propertyList API_AVAILABLE(ios(13.0));
@end

API_AVAILABLE(ios(7.0))
@interface UIKeyCommand : UICommand
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, nonatomic, readonly) NSString *input;
@property (nonatomic, readonly) UIKeyModifierFlags modifierFlags;
@property (nonatomic) BOOL wantsPriorityOverSystemBehavior API_AVAILABLE(ios(15.0));
+ (instancetype)keyCommandWithInput:(NSString *)input modifierFlags:(UIKeyModifierFlags)modifierFlags action:(SEL)action;
+ (instancetype)keyCommandWithInput:(NSString *)input
                      modifierFlags:(UIKeyModifierFlags)modifierFlags
                             action:(SEL)action
               discoverabilityTitle:(NSString *)discoverabilityTitle
    API_DEPRECATED("", ios(9.0, 13.0));
+ (instancetype)commandWithTitle:(NSString *)title
                           image:(nullable UIImage *)image
                          action:(SEL)action
                           input:(NSString *)input
                   modifierFlags:(UIKeyModifierFlags)modifierFlags
                    propertyList:(nullable id)propertyList API_AVAILABLE(ios(13.0));
@end

UIKIT_EXTERN NSString *const UIKeyInputUpArrow API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSString *const UIKeyInputDownArrow API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSString *const UIKeyInputLeftArrow API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSString *const UIKeyInputRightArrow API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSString *const UIKeyInputEscape API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSString *const UIKeyInputPageUp API_AVAILABLE(ios(8.0));
UIKIT_EXTERN NSString *const UIKeyInputPageDown API_AVAILABLE(ios(8.0));
UIKIT_EXTERN NSString *const UIKeyInputHome API_AVAILABLE(ios(13.4));
UIKIT_EXTERN NSString *const UIKeyInputEnd API_AVAILABLE(ios(13.4));
UIKIT_EXTERN NSString *const UIKeyInputDelete API_AVAILABLE(ios(15.0));

NS_ASSUME_NONNULL_END
