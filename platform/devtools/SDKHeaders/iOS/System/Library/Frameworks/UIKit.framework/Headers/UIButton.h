/* UIButton.h: buttons: types, and title, image and colour per control state. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIControl.h>
#import <UIKit/UIGeometry.h>

@class UIImage, UIFont, UIColor, UIImageView, UILabel;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIButtonType) {
    UIButtonTypeCustom = 0,
    UIButtonTypeSystem API_AVAILABLE(ios(7.0)),
    UIButtonTypeDetailDisclosure,
    UIButtonTypeInfoLight,
    UIButtonTypeInfoDark,
    UIButtonTypeContactAdd,
    UIButtonTypeClose API_AVAILABLE(ios(13.0)),
    UIButtonTypeRoundedRect = UIButtonTypeSystem
};

@interface UIButton : UIControl

+ (instancetype)buttonWithType:(UIButtonType)buttonType;
+ (instancetype)systemButtonWithImage:(UIImage *)image target:(nullable id)target action:(nullable SEL)action
    API_AVAILABLE(ios(13.0));

@property (nonatomic) UIEdgeInsets contentEdgeInsets API_DEPRECATED("", ios(2.0, 15.0));
@property (nonatomic) UIEdgeInsets titleEdgeInsets API_DEPRECATED("", ios(2.0, 15.0));
@property (nonatomic) UIEdgeInsets imageEdgeInsets API_DEPRECATED("", ios(2.0, 15.0));
@property (nonatomic) BOOL adjustsImageWhenHighlighted API_DEPRECATED("", ios(2.0, 15.0));
@property (nonatomic, readonly) UIButtonType buttonType;

- (void)setTitle:(nullable NSString *)title forState:(UIControlState)state;
- (void)setTitleColor:(nullable UIColor *)color forState:(UIControlState)state;
- (void)setTitleShadowColor:(nullable UIColor *)color forState:(UIControlState)state;
- (void)setImage:(nullable UIImage *)image forState:(UIControlState)state;
- (void)setBackgroundImage:(nullable UIImage *)image forState:(UIControlState)state;
- (void)setAttributedTitle:(nullable NSAttributedString *)title forState:(UIControlState)state API_AVAILABLE(ios(6.0));

- (nullable NSString *)titleForState:(UIControlState)state;
- (nullable UIColor *)titleColorForState:(UIControlState)state;
- (nullable UIImage *)imageForState:(UIControlState)state;
- (nullable UIImage *)backgroundImageForState:(UIControlState)state;
- (nullable NSAttributedString *)attributedTitleForState:(UIControlState)state API_AVAILABLE(ios(6.0));

@property (nullable, nonatomic, readonly, strong) NSString *currentTitle;
@property (nonatomic, readonly, strong) UIColor *currentTitleColor;
@property (nullable, nonatomic, readonly, strong) UIImage *currentImage;
@property (nullable, nonatomic, readonly, strong) UILabel *titleLabel API_AVAILABLE(ios(3.0));
@property (nullable, nonatomic, readonly, strong) UIImageView *imageView API_AVAILABLE(ios(3.0));

@end

NS_ASSUME_NONNULL_END
