/* NSSliderCell.h: the cells of sliders: their track (bar) and knob. */
#import <AppKit/NSActionCell.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSSliderCell : NSActionCell
@property double minValue;
@property double maxValue;
@property double altIncrementValue;
@property (readonly) CGFloat knobThickness;
- (void)drawKnob:(NSRect)knobRect;
- (NSRect)knobRectFlipped:(BOOL)flipped;
- (void)drawBarInside:(NSRect)rect flipped:(BOOL)flipped;
@property (readonly) NSRect trackRect;
@end

NS_ASSUME_NONNULL_END
