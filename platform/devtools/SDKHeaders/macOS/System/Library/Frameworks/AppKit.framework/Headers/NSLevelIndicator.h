/* NSLevelIndicator.h: level indicators (capacity, relevancy, rating) and their cell. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>
#import <AppKit/NSActionCell.h>
#import <AppKit/NSSliderCell.h>

@class NSColor, NSImage;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSLevelIndicatorStyle) {
    NSLevelIndicatorStyleRelevancy,
    NSLevelIndicatorStyleContinuousCapacity,
    NSLevelIndicatorStyleDiscreteCapacity,
    NSLevelIndicatorStyleRating
};

static const NSLevelIndicatorStyle NSRelevancyLevelIndicatorStyle API_DEPRECATED_WITH_REPLACEMENT("NSLevelIndicatorStyleRelevancy", macos(10.0, 10.14)) = NSLevelIndicatorStyleRelevancy;
static const NSLevelIndicatorStyle NSContinuousCapacityLevelIndicatorStyle API_DEPRECATED_WITH_REPLACEMENT("NSLevelIndicatorStyleContinuousCapacity", macos(10.0, 10.14)) = NSLevelIndicatorStyleContinuousCapacity;
static const NSLevelIndicatorStyle NSDiscreteCapacityLevelIndicatorStyle API_DEPRECATED_WITH_REPLACEMENT("NSLevelIndicatorStyleDiscreteCapacity", macos(10.0, 10.14)) = NSLevelIndicatorStyleDiscreteCapacity;
static const NSLevelIndicatorStyle NSRatingLevelIndicatorStyle API_DEPRECATED_WITH_REPLACEMENT("NSLevelIndicatorStyleRating", macos(10.0, 10.14)) = NSLevelIndicatorStyleRating;

typedef NS_ENUM(NSInteger, NSLevelIndicatorPlaceholderVisibility) {
    NSLevelIndicatorPlaceholderVisibilityAutomatic = 0,
    NSLevelIndicatorPlaceholderVisibilityAlways = 1,
    NSLevelIndicatorPlaceholderVisibilityWhileEditing = 2
} API_AVAILABLE(macos(10.13));

@interface NSLevelIndicator : NSControl
@property NSLevelIndicatorStyle levelIndicatorStyle;
@property (getter=isEditable) BOOL editable API_AVAILABLE(macos(10.13));
@property double minValue;
@property double maxValue;
@property double warningValue;
@property double criticalValue;
@property NSTickMarkPosition tickMarkPosition;
@property NSInteger numberOfTickMarks;
@property NSInteger numberOfMajorTickMarks;
- (NSRect)rectOfTickMarkAtIndex:(NSInteger)index;
- (double)tickMarkValueAtIndex:(NSInteger)index;
@property (copy, null_resettable) NSColor *fillColor API_AVAILABLE(macos(10.13));
@property (copy, null_resettable) NSColor *warningFillColor API_AVAILABLE(macos(10.13));
@property (copy, null_resettable) NSColor *criticalFillColor API_AVAILABLE(macos(10.13));
@property BOOL drawsTieredCapacityLevels API_AVAILABLE(macos(10.13));
@property NSLevelIndicatorPlaceholderVisibility placeholderVisibility API_AVAILABLE(macos(10.13));
@property (nullable, strong) NSImage *ratingImage API_AVAILABLE(macos(10.13));
@property (nullable, strong) NSImage *ratingPlaceholderImage API_AVAILABLE(macos(10.13));
@end

@interface NSLevelIndicatorCell : NSActionCell
- (instancetype)initWithLevelIndicatorStyle:(NSLevelIndicatorStyle)levelIndicatorStyle;
@property NSLevelIndicatorStyle levelIndicatorStyle;
@property double minValue;
@property double maxValue;
@property double warningValue;
@property double criticalValue;
@property NSTickMarkPosition tickMarkPosition;
@property NSInteger numberOfTickMarks;
@property NSInteger numberOfMajorTickMarks;
- (NSRect)rectOfTickMarkAtIndex:(NSInteger)index;
- (double)tickMarkValueAtIndex:(NSInteger)index;
- (void)setImage:(nullable NSImage *)image;
@end

NS_ASSUME_NONNULL_END
