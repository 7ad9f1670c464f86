/* WKInterfaceObject.h: the base class of the objects of a watchOS interface, and their layout settings. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <WatchKit/WKDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, WKInterfaceObjectHorizontalAlignment) {
    WKInterfaceObjectHorizontalAlignmentLeft,
    WKInterfaceObjectHorizontalAlignmentCenter,
    WKInterfaceObjectHorizontalAlignmentRight,
} API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios);

typedef NS_ENUM(NSInteger, WKInterfaceObjectVerticalAlignment) {
    WKInterfaceObjectVerticalAlignmentTop,
    WKInterfaceObjectVerticalAlignmentCenter,
    WKInterfaceObjectVerticalAlignmentBottom,
} API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios);

typedef NS_ENUM(NSInteger, WKInterfaceSemanticContentAttribute) {
    WKInterfaceSemanticContentAttributeUnspecified,
    WKInterfaceSemanticContentAttributePlayback,
    WKInterfaceSemanticContentAttributeSpatial,
    WKInterfaceSemanticContentAttributeForceLeftToRight,
    WKInterfaceSemanticContentAttributeForceRightToLeft,
} API_AVAILABLE(watchos(2.1)) API_UNAVAILABLE(ios);

API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios)
@interface WKInterfaceObject : NSObject

- (instancetype)init NS_UNAVAILABLE;

- (void)setHidden:(BOOL)hidden;
- (void)setAlpha:(CGFloat)alpha;
- (void)setSemanticContentAttribute:(WKInterfaceSemanticContentAttribute)semanticContentAttribute
    API_AVAILABLE(watchos(2.1));
- (void)setHorizontalAlignment:(WKInterfaceObjectHorizontalAlignment)horizontalAlignment;
- (void)setVerticalAlignment:(WKInterfaceObjectVerticalAlignment)verticalAlignment;
- (void)setWidth:(CGFloat)width;
- (void)setHeight:(CGFloat)height;
- (void)setRelativeWidth:(CGFloat)width withAdjustment:(CGFloat)adjustment API_AVAILABLE(watchos(2.0));
- (void)setRelativeHeight:(CGFloat)height withAdjustment:(CGFloat)adjustment API_AVAILABLE(watchos(2.0));
- (void)sizeToFitWidth API_AVAILABLE(watchos(2.0));
- (void)sizeToFitHeight API_AVAILABLE(watchos(2.0));

@property (nonatomic, readonly, copy) NSString *interfaceProperty;

@end

@interface WKInterfaceObject (WKAccessibility)
- (void)setAccessibilityIdentifier:(nullable NSString *)accessibilityIdentifier API_AVAILABLE(watchos(2.0));
- (void)setAccessibilityLabel:(nullable NSString *)accessibilityLabel;
- (void)setAccessibilityHint:(nullable NSString *)accessibilityHint;
- (void)setAccessibilityValue:(nullable NSString *)accessibilityValue;
- (void)setIsAccessibilityElement:(BOOL)isAccessibilityElement;
@end

NS_ASSUME_NONNULL_END
