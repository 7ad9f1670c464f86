/* NSSlider.h: sliders: a value chosen between a minimum and a maximum, with optional tick marks. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>
#import <AppKit/NSSliderCell.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSSlider : NSControl
+ (instancetype)sliderWithTarget:(nullable id)target action:(nullable SEL)action API_AVAILABLE(macos(10.12));
+ (instancetype)sliderWithValue:(double)value minValue:(double)minValue maxValue:(double)maxValue target:(nullable id)target action:(nullable SEL)action API_AVAILABLE(macos(10.12));
@property double minValue;
@property double maxValue;
@property double altIncrementValue;
@property (readonly) CGFloat knobThickness;
@property (getter=isVertical) BOOL vertical API_AVAILABLE(macos(10.12));
@property (nullable, copy) NSColor *trackFillColor API_AVAILABLE(macos(10.12.2));
@property NSInteger numberOfTickMarks;
@property BOOL allowsTickMarkValuesOnly;
@property NSTickMarkPosition tickMarkPosition;
@property NSSliderType sliderType API_AVAILABLE(macos(10.12));
- (NSRect)rectOfTickMarkAtIndex:(NSInteger)index;
- (NSInteger)indexOfTickMarkAtPoint:(NSPoint)point;
- (double)tickMarkValueAtIndex:(NSInteger)index;
- (double)closestTickMarkValueToValue:(double)value;
@end

NS_ASSUME_NONNULL_END
