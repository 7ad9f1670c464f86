/* NSRulerView.h: the rulers of scroll views, with their markers and accessory view. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>

@class NSScrollView, NSRulerMarker, NSImage, NSEvent;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSRulerOrientation) {
    NSHorizontalRuler,
    NSVerticalRuler
};

typedef NSString *NSRulerViewUnitName NS_TYPED_EXTENSIBLE_ENUM;
APPKIT_EXTERN NSRulerViewUnitName const NSRulerViewUnitInches API_AVAILABLE(macos(10.13));
APPKIT_EXTERN NSRulerViewUnitName const NSRulerViewUnitCentimeters API_AVAILABLE(macos(10.13));
APPKIT_EXTERN NSRulerViewUnitName const NSRulerViewUnitPoints API_AVAILABLE(macos(10.13));
APPKIT_EXTERN NSRulerViewUnitName const NSRulerViewUnitPicas API_AVAILABLE(macos(10.13));

@interface NSRulerView : NSView
+ (void)registerUnitWithName:(NSRulerViewUnitName)unitName abbreviation:(NSString *)abbreviation
    unitToPointsConversionFactor:(CGFloat)conversionFactor stepUpCycle:(NSArray<NSNumber *> *)stepUpCycle
                 stepDownCycle:(NSArray<NSNumber *> *)stepDownCycle;
- (instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithScrollView:(nullable NSScrollView *)scrollView orientation:(NSRulerOrientation)orientation NS_DESIGNATED_INITIALIZER;
@property (nullable, weak) NSScrollView *scrollView;
@property NSRulerOrientation orientation;
@property (readonly) CGFloat baselineLocation;
@property (readonly) CGFloat requiredThickness;
@property CGFloat ruleThickness;
@property CGFloat reservedThicknessForMarkers;
@property CGFloat reservedThicknessForAccessoryView;
@property (copy) NSRulerViewUnitName measurementUnits;
@property CGFloat originOffset;
@property (nullable, weak) NSView *clientView;
- (void)addMarker:(NSRulerMarker *)marker;
- (void)removeMarker:(NSRulerMarker *)marker;
@property (nullable, copy) NSArray<NSRulerMarker *> *markers;
- (BOOL)trackMarker:(NSRulerMarker *)marker withMouseEvent:(NSEvent *)event;
@property (nullable, strong) NSView *accessoryView;
- (void)moveRulerlineFromLocation:(CGFloat)oldLocation toLocation:(CGFloat)newLocation;
- (void)invalidateHashMarks;
- (void)drawHashMarksAndLabelsInRect:(NSRect)rect;
- (void)drawMarkersInRect:(NSRect)rect;
@property (getter=isFlipped, readonly) BOOL flipped;
@end

@interface NSRulerMarker : NSObject <NSCopying, NSCoding>
- (instancetype)initWithRulerView:(NSRulerView *)ruler markerLocation:(CGFloat)location image:(NSImage *)image imageOrigin:(NSPoint)imageOrigin NS_DESIGNATED_INITIALIZER;
@property (nullable, readonly, unsafe_unretained) NSRulerView *ruler;
@property CGFloat markerLocation;
@property (strong) NSImage *image;
@property NSPoint imageOrigin;
@property (getter=isMovable) BOOL movable;
@property (getter=isRemovable) BOOL removable;
@property (getter=isDragging, readonly) BOOL dragging;
@property (nullable, strong) id<NSCopying> representedObject;
@property (readonly) NSRect imageRectInRuler;
@property (readonly) CGFloat thicknessRequiredInRuler;
- (void)drawRect:(NSRect)rect;
- (BOOL)trackMouse:(NSEvent *)mouseDownEvent adding:(BOOL)isAdding;
@end

NS_ASSUME_NONNULL_END
