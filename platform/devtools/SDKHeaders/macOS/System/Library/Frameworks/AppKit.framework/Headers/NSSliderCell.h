/* NSSliderCell.h: the cells of sliders: their track (bar) and knob. */
#import <AppKit/NSActionCell.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSTickMarkPosition) {
    NSTickMarkPositionBelow = 0,
    NSTickMarkPositionAbove = 1,
    NSTickMarkPositionLeading = NSTickMarkPositionAbove,
    NSTickMarkPositionTrailing = NSTickMarkPositionBelow
};
static const NSTickMarkPosition NSTickMarkBelow API_DEPRECATED_WITH_REPLACEMENT("NSTickMarkPositionBelow", macos(10.0, 10.14)) = NSTickMarkPositionBelow;
static const NSTickMarkPosition NSTickMarkAbove API_DEPRECATED_WITH_REPLACEMENT("NSTickMarkPositionAbove", macos(10.0, 10.14)) = NSTickMarkPositionAbove;
static const NSTickMarkPosition NSTickMarkLeft API_DEPRECATED_WITH_REPLACEMENT("NSTickMarkPositionLeading", macos(10.0, 10.14)) = NSTickMarkPositionLeading;
static const NSTickMarkPosition NSTickMarkRight API_DEPRECATED_WITH_REPLACEMENT("NSTickMarkPositionTrailing", macos(10.0, 10.14)) = NSTickMarkPositionTrailing;

typedef NS_ENUM(NSUInteger, NSSliderType) {
    NSSliderTypeLinear = 0,
    NSSliderTypeCircular = 1
};
static const NSSliderType NSLinearSlider API_DEPRECATED_WITH_REPLACEMENT("NSSliderTypeLinear", macos(10.0, 10.14)) = NSSliderTypeLinear;
static const NSSliderType NSCircularSlider API_DEPRECATED_WITH_REPLACEMENT("NSSliderTypeCircular", macos(10.0, 10.14)) = NSSliderTypeCircular;

@interface NSSliderCell : NSActionCell
@property double minValue;
@property double maxValue;
@property double altIncrementValue;
@property (readonly) CGFloat knobThickness;
- (void)drawKnob:(NSRect)knobRect;
- (NSRect)knobRectFlipped:(BOOL)flipped;
- (void)drawBarInside:(NSRect)rect flipped:(BOOL)flipped;
@property (readonly) NSRect trackRect;
@property (getter=isVertical) BOOL vertical;
@property NSSliderType sliderType;
@property NSInteger numberOfTickMarks;
@property NSTickMarkPosition tickMarkPosition;
@property BOOL allowsTickMarkValuesOnly;
- (double)tickMarkValueAtIndex:(NSInteger)index;
- (NSRect)rectOfTickMarkAtIndex:(NSInteger)index;
- (NSInteger)indexOfTickMarkAtPoint:(NSPoint)point;
- (double)closestTickMarkValueToValue:(double)value;
- (void)drawTickMarks;
- (NSRect)barRectFlipped:(BOOL)flipped API_AVAILABLE(macos(10.9));
- (void)drawKnob;
+ (BOOL)prefersTrackingUntilMouseUp;
@end

NS_ASSUME_NONNULL_END
