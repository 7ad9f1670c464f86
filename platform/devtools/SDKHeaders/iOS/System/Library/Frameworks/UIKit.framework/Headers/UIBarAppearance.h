/* UIBarAppearance.h: the appearances of navigation bars, toolbars and tab bars (iOS 13): background, shadow and the
 * attributes of titles and buttons. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIGeometry.h>
#import <UIKit/UIBarCommon.h>
#import <UIKit/UIView.h>

@class UIColor, UIImage, UIBlurEffect, UIVisualEffect, UIBarButtonItemAppearance;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(13.0))
@interface UIBarAppearance : NSObject <NSCopying, NSSecureCoding>
- (instancetype)init;
- (instancetype)initWithBarAppearance:(UIBarAppearance *)barAppearance;
- (void)configureWithDefaultBackground;
- (void)configureWithOpaqueBackground;
- (void)configureWithTransparentBackground;
@property (nonatomic, readwrite, copy, nullable) UIBlurEffect *backgroundEffect;
@property (nonatomic, readwrite, copy, nullable) UIColor *backgroundColor;
@property (nonatomic, readwrite, strong, nullable) UIImage *backgroundImage;
@property (nonatomic, readwrite, assign) UIViewContentMode backgroundImageContentMode;
@property (nonatomic, readwrite, copy, nullable) UIColor *shadowColor;
@property (nonatomic, readwrite, strong, nullable) UIImage *shadowImage;
@end

API_AVAILABLE(ios(13.0))
@interface UIBarButtonItemStateAppearance : NSObject
@property (nonatomic, readwrite, copy) NSDictionary<NSAttributedStringKey, id> *titleTextAttributes;
@property (nonatomic, readwrite, assign) UIOffset titlePositionAdjustment;
@property (nonatomic, readwrite, strong, nullable) UIImage *backgroundImage;
@property (nonatomic, readwrite, assign) UIOffset backgroundImagePositionAdjustment;
@end

API_AVAILABLE(ios(13.0))
@interface UIBarButtonItemAppearance : NSObject <NSCopying, NSSecureCoding>
- (instancetype)init;
- (instancetype)initWithStyle:(NSInteger)style;
- (void)configureWithDefaultForStyle:(NSInteger)style;
@property (nonatomic, readonly, strong) UIBarButtonItemStateAppearance *normal;
@property (nonatomic, readonly, strong) UIBarButtonItemStateAppearance *highlighted;
@property (nonatomic, readonly, strong) UIBarButtonItemStateAppearance *disabled;
@property (nonatomic, readonly, strong) UIBarButtonItemStateAppearance *focused;
@end

API_AVAILABLE(ios(13.0))
@interface UINavigationBarAppearance : UIBarAppearance
@property (nonatomic, readwrite, copy) NSDictionary<NSAttributedStringKey, id> *titleTextAttributes;
@property (nonatomic, readwrite, assign) UIOffset titlePositionAdjustment;
@property (nonatomic, readwrite, copy) NSDictionary<NSAttributedStringKey, id> *largeTitleTextAttributes;
@property (nonatomic, readwrite, strong) UIBarButtonItemAppearance *buttonAppearance;
@property (nonatomic, readwrite, strong) UIBarButtonItemAppearance *doneButtonAppearance;
@property (nonatomic, readwrite, strong) UIBarButtonItemAppearance *backButtonAppearance;
@property (nonatomic, readonly, strong) UIImage *backIndicatorImage;
@property (nonatomic, readonly, strong) UIImage *backIndicatorTransitionMaskImage;
- (void)setBackIndicatorImage:(nullable UIImage *)backIndicatorImage
                  transitionMaskImage:(nullable UIImage *)backIndicatorTransitionMaskImage;
@end

API_AVAILABLE(ios(13.0))
@interface UIToolbarAppearance : UIBarAppearance
@property (nonatomic, readwrite, strong) UIBarButtonItemAppearance *buttonAppearance;
@property (nonatomic, readwrite, strong) UIBarButtonItemAppearance *doneButtonAppearance;
@end

NS_ASSUME_NONNULL_END
