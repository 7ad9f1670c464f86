/* NSStepper.h: steppers: two arrows that raise and lower a value between bounds; and their cell. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>
#import <AppKit/NSActionCell.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSStepper : NSControl
@property double minValue;
@property double maxValue;
@property double increment;
@property BOOL valueWraps;
@property BOOL autorepeat;
@end

@interface NSStepperCell : NSActionCell
@property double minValue;
@property double maxValue;
@property double increment;
@property BOOL valueWraps;
@property BOOL autorepeat;
@end

NS_ASSUME_NONNULL_END
