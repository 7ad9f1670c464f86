/* UIMenu.h: menu elements, menus and actions (context menus, button menus, the main menu) with their identifiers. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

@class UIImage, UIAction;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, UIMenuElementAttributes) {
    UIMenuElementAttributesDisabled = 1 << 0,
    UIMenuElementAttributesDestructive = 1 << 1,
    UIMenuElementAttributesHidden = 1 << 2,
    UIMenuElementAttributesKeepsMenuPresented API_AVAILABLE(ios(16.0)) = 1 << 3,
} API_AVAILABLE(ios(13.0));

typedef NS_ENUM(NSInteger, UIMenuElementState) {
    UIMenuElementStateOff,
    UIMenuElementStateOn,
    UIMenuElementStateMixed
} API_AVAILABLE(ios(13.0));

@interface UIMenuElement : NSObject <NSCopying, NSSecureCoding>
@property (nonatomic, readonly) NSString *title;
@property (nonatomic, nullable, copy) NSString *subtitle API_AVAILABLE(ios(15.0));
@property (nonatomic, nullable, readonly) UIImage *image;
- (instancetype)init NS_UNAVAILABLE;
+ (instancetype)new NS_UNAVAILABLE;
@end

typedef NSString *UIMenuIdentifier NS_TYPED_EXTENSIBLE_ENUM API_AVAILABLE(ios(13.0));
typedef NSString *UIActionIdentifier NS_TYPED_EXTENSIBLE_ENUM API_AVAILABLE(ios(13.0));

typedef NS_OPTIONS(NSUInteger, UIMenuOptions) {
    UIMenuOptionsDisplayInline = 1 << 0,
    UIMenuOptionsDestructive = 1 << 1,
    UIMenuOptionsSingleSelection API_AVAILABLE(ios(15.0)) = 1 << 5,
    UIMenuOptionsDisplayAsPalette API_AVAILABLE(ios(17.0)) = 1 << 7,
} API_AVAILABLE(ios(13.0));

API_AVAILABLE(ios(13.0))
@interface UIMenu : UIMenuElement
@property (nonatomic, readonly) UIMenuIdentifier identifier;
@property (nonatomic, readonly) UIMenuOptions options;
@property (nonatomic, readonly) NSArray<UIMenuElement *> *children;
@property (nonatomic, readonly) NSArray<UIMenuElement *> *selectedElements API_AVAILABLE(ios(16.0));
+ (UIMenu *)menuWithChildren:(NSArray<UIMenuElement *> *)children API_AVAILABLE(ios(14.0));
+ (UIMenu *)menuWithTitle:(NSString *)title children:(NSArray<UIMenuElement *> *)children;
+ (UIMenu *)menuWithTitle:(NSString *)title
                    image:(nullable UIImage *)image
               identifier:(nullable UIMenuIdentifier)identifier
                  options:(UIMenuOptions)options
                 children:(NSArray<UIMenuElement *> *)children;
- (UIMenu *)menuByReplacingChildren:(NSArray<UIMenuElement *> *)newChildren;
@end

typedef void (^UIActionHandler)(__kindof UIAction *action) API_AVAILABLE(ios(13.0));

API_AVAILABLE(ios(13.0))
@interface UIAction : UIMenuElement
@property (nonatomic, copy) NSString *title;
@property (nullable, nonatomic, copy) UIImage *image;
@property (nullable, nonatomic, copy) NSString *discoverabilityTitle;
@property (nonatomic, readonly) UIActionIdentifier identifier;
@property (nonatomic) UIMenuElementAttributes attributes;
@property (nonatomic) UIMenuElementState state;
@property (nonatomic, readonly, nullable) id sender API_AVAILABLE(ios(14.0));
+ (instancetype)actionWithHandler:(UIActionHandler)handler API_AVAILABLE(ios(14.0));
+ (instancetype)actionWithTitle:(NSString *)title
                          image:(nullable UIImage *)image
                     identifier:(nullable UIActionIdentifier)identifier
                        handler:(UIActionHandler)handler;
@end

NS_ASSUME_NONNULL_END
