/* NSLayoutConstraint.h (AppKit): Auto Layout constraints: relations between attributes of two items. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSAnimation.h>

@class NSLayoutAnchor<AnchorType>;

NS_ASSUME_NONNULL_BEGIN

typedef float NSLayoutPriority NS_TYPED_EXTENSIBLE_ENUM;
static const NSLayoutPriority NSLayoutPriorityRequired API_AVAILABLE(macos(10.7)) = 1000;
static const NSLayoutPriority NSLayoutPriorityDefaultHigh API_AVAILABLE(macos(10.7)) = 750;
static const NSLayoutPriority NSLayoutPriorityDragThatCanResizeWindow API_AVAILABLE(macos(10.7)) = 510;
static const NSLayoutPriority NSLayoutPriorityWindowSizeStayPut API_AVAILABLE(macos(10.7)) = 500;
static const NSLayoutPriority NSLayoutPriorityDragThatCannotResizeWindow API_AVAILABLE(macos(10.7)) = 490;
static const NSLayoutPriority NSLayoutPriorityDefaultLow API_AVAILABLE(macos(10.7)) = 250;
static const NSLayoutPriority NSLayoutPriorityFittingSizeCompression API_AVAILABLE(macos(10.7)) = 50;

typedef NS_ENUM(NSInteger, NSLayoutConstraintOrientation) {
    NSLayoutConstraintOrientationHorizontal = 0,
    NSLayoutConstraintOrientationVertical = 1
};

typedef NS_ENUM(NSInteger, NSLayoutRelation) {
    NSLayoutRelationLessThanOrEqual = -1,
    NSLayoutRelationEqual = 0,
    NSLayoutRelationGreaterThanOrEqual = 1,
};

typedef NS_ENUM(NSInteger, NSLayoutAttribute) {
    NSLayoutAttributeLeft = 1,
    NSLayoutAttributeRight,
    NSLayoutAttributeTop,
    NSLayoutAttributeBottom,
    NSLayoutAttributeLeading,
    NSLayoutAttributeTrailing,
    NSLayoutAttributeWidth,
    NSLayoutAttributeHeight,
    NSLayoutAttributeCenterX,
    NSLayoutAttributeCenterY,
    NSLayoutAttributeLastBaseline,
    NSLayoutAttributeBaseline = NSLayoutAttributeLastBaseline,
    NSLayoutAttributeFirstBaseline API_AVAILABLE(macos(10.11)),
    NSLayoutAttributeNotAnAttribute = 0
};

typedef NS_OPTIONS(NSUInteger, NSLayoutFormatOptions) {
    NSLayoutFormatAlignAllLeft = (1 << NSLayoutAttributeLeft),
    NSLayoutFormatAlignAllRight = (1 << NSLayoutAttributeRight),
    NSLayoutFormatAlignAllTop = (1 << NSLayoutAttributeTop),
    NSLayoutFormatAlignAllBottom = (1 << NSLayoutAttributeBottom),
    NSLayoutFormatAlignAllLeading = (1 << NSLayoutAttributeLeading),
    NSLayoutFormatAlignAllTrailing = (1 << NSLayoutAttributeTrailing),
    NSLayoutFormatAlignAllCenterX = (1 << NSLayoutAttributeCenterX),
    NSLayoutFormatAlignAllCenterY = (1 << NSLayoutAttributeCenterY),
    NSLayoutFormatDirectionLeadingToTrailing = 0 << 16,
    NSLayoutFormatDirectionLeftToRight = 1 << 16,
    NSLayoutFormatDirectionRightToLeft = 2 << 16,
};

API_AVAILABLE(macos(10.7))
@interface NSLayoutConstraint : NSObject <NSAnimatablePropertyContainer>
+ (NSArray<NSLayoutConstraint *> *)constraintsWithVisualFormat:(NSString *)format
                                                       options:(NSLayoutFormatOptions)opts
                                                       metrics:(nullable NSDictionary<NSString *, NSNumber *> *)metrics
                                                         views:(NSDictionary<NSString *, id> *)views;
+ (instancetype)constraintWithItem:(id)view1
                         attribute:(NSLayoutAttribute)attr1
                         relatedBy:(NSLayoutRelation)relation
                            toItem:(nullable id)view2
                         attribute:(NSLayoutAttribute)attr2
                        multiplier:(CGFloat)multiplier
                          constant:(CGFloat)c;
@property NSLayoutPriority priority;
@property BOOL shouldBeArchived;
@property (nullable, readonly, weak) id firstItem;
@property (nullable, readonly, weak) id secondItem;
@property (readonly) NSLayoutAttribute firstAttribute;
@property (readonly) NSLayoutAttribute secondAttribute;
@property (readonly) NSLayoutRelation relation;
@property (readonly) CGFloat multiplier;
@property CGFloat constant;
@property (getter=isActive) BOOL active API_AVAILABLE(macos(10.10));
+ (void)activateConstraints:(NSArray<NSLayoutConstraint *> *)constraints API_AVAILABLE(macos(10.10));
+ (void)deactivateConstraints:(NSArray<NSLayoutConstraint *> *)constraints API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSString *identifier API_AVAILABLE(macos(10.7));
@end

/* A dictionary of variables by their names, for the views of a visual format: NSDictionaryOfVariableBindings(a, b). */
#define NSDictionaryOfVariableBindings(...) _NSDictionaryOfVariableBindings(@"" #__VA_ARGS__, __VA_ARGS__, nil)
APPKIT_EXTERN NSDictionary<NSString *, id> *_NSDictionaryOfVariableBindings(NSString *commaSeparatedKeysString,
                                                                  id _Nullable firstValue, ...);

NS_ASSUME_NONNULL_END
