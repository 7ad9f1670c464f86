/* UIStepper.h: a control of plus and minus buttons that steps a value. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIControl.h>

@class UIImage;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(5.0)) API_UNAVAILABLE(tvos)
@interface UIStepper : UIControl
@property (nonatomic, getter=isContinuous) BOOL continuous;
@property (nonatomic) BOOL autorepeat;
@property (nonatomic) BOOL wraps;
@property (nonatomic) double value;
@property (nonatomic) double minimumValue;
@property (nonatomic) double maximumValue;
@property (nonatomic) double stepValue;
@property (null_resettable, nonatomic, strong) UIColor *tintColor;
- (void)setBackgroundImage:(nullable UIImage *)image forState:(UIControlState)state API_AVAILABLE(ios(6.0))
    UI_APPEARANCE_SELECTOR;
- (nullable UIImage *)backgroundImageForState:(UIControlState)state API_AVAILABLE(ios(6.0)) UI_APPEARANCE_SELECTOR;
- (void)setDividerImage:(nullable UIImage *)image
    forLeftSegmentState:(UIControlState)leftState
      rightSegmentState:(UIControlState)rightState API_AVAILABLE(ios(6.0)) UI_APPEARANCE_SELECTOR;
- (void)setIncrementImage:(nullable UIImage *)image forState:(UIControlState)state API_AVAILABLE(ios(6.0))
    UI_APPEARANCE_SELECTOR;
- (nullable UIImage *)incrementImageForState:(UIControlState)state API_AVAILABLE(ios(6.0));
- (void)setDecrementImage:(nullable UIImage *)image forState:(UIControlState)state API_AVAILABLE(ios(6.0))
    UI_APPEARANCE_SELECTOR;
- (nullable UIImage *)decrementImageForState:(UIControlState)state API_AVAILABLE(ios(6.0));
@end

NS_ASSUME_NONNULL_END
