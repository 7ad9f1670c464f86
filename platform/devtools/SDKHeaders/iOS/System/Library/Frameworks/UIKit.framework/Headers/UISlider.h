/* UISlider.h: sliders that pick a value from a continuous range. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIControl.h>

@class UIImage, UIColor;

NS_ASSUME_NONNULL_BEGIN

@interface UISlider : UIControl <NSCoding>
@property (nonatomic) float value;
@property (nonatomic) float minimumValue;
@property (nonatomic) float maximumValue;
@property (nullable, nonatomic, strong) UIImage *minimumValueImage;
@property (nullable, nonatomic, strong) UIImage *maximumValueImage;
@property (nonatomic, getter=isContinuous) BOOL continuous;
@property (nullable, nonatomic, strong) UIColor *minimumTrackTintColor API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, strong) UIColor *maximumTrackTintColor API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
- (void)setValue:(float)value animated:(BOOL)animated;
- (CGRect)minimumValueImageRectForBounds:(CGRect)bounds;
- (CGRect)maximumValueImageRectForBounds:(CGRect)bounds;
- (CGRect)trackRectForBounds:(CGRect)bounds;
- (CGRect)thumbRectForBounds:(CGRect)bounds trackRect:(CGRect)rect value:(float)value;
@end

NS_ASSUME_NONNULL_END
