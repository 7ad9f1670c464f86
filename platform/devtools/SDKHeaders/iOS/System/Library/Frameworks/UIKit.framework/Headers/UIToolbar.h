/* UIToolbar.h: a bar of bar button items, usually at the bottom of the screen, with its appearance and delegate. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/UIBarCommon.h>
#import <UIKit/UIBarButtonItem.h>
#import <UIKit/UIBarAppearance.h>

@protocol UIToolbarDelegate;

NS_ASSUME_NONNULL_BEGIN

@interface UIToolbar : UIView <UIBarPositioning>
@property (nonatomic) UIBarStyle barStyle;
@property (nullable, nonatomic, copy) NSArray<UIBarButtonItem *> *items;
@property (nonatomic, assign, getter=isTranslucent) BOOL translucent API_AVAILABLE(ios(3.0));
- (void)setItems:(nullable NSArray<UIBarButtonItem *> *)items animated:(BOOL)animated;
@property (null_resettable, nonatomic, strong) UIColor *tintColor;
@property (nullable, nonatomic, strong) UIColor *barTintColor API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
- (void)setBackgroundImage:(nullable UIImage *)backgroundImage
        forToolbarPosition:(UIBarPosition)topOrBottom
                barMetrics:(UIBarMetrics)barMetrics API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
- (nullable UIImage *)backgroundImageForToolbarPosition:(UIBarPosition)topOrBottom
                                             barMetrics:(UIBarMetrics)barMetrics API_AVAILABLE(ios(5.0))
    UI_APPEARANCE_SELECTOR;
- (void)setShadowImage:(nullable UIImage *)shadowImage
    forToolbarPosition:(UIBarPosition)topOrBottom API_AVAILABLE(ios(6.0)) UI_APPEARANCE_SELECTOR;
- (nullable UIImage *)shadowImageForToolbarPosition:(UIBarPosition)topOrBottom API_AVAILABLE(ios(6.0))
    UI_APPEARANCE_SELECTOR;
@property (nonatomic, readwrite, copy) UIToolbarAppearance *standardAppearance API_AVAILABLE(ios(13.0))
    UI_APPEARANCE_SELECTOR;
@property (nonatomic, readwrite, copy, nullable) UIToolbarAppearance *compactAppearance API_AVAILABLE(ios(13.0))
    UI_APPEARANCE_SELECTOR;
@property (nonatomic, readwrite, copy, nullable) UIToolbarAppearance *scrollEdgeAppearance API_AVAILABLE(ios(15.0))
    UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, weak) id<UIToolbarDelegate> delegate API_AVAILABLE(ios(7.0));
@end

@protocol UIToolbarDelegate <UIBarPositioningDelegate>
@end

NS_ASSUME_NONNULL_END
