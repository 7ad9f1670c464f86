/* UIAttachmentBehavior.h: a behaviour that connects an item to another item or to an anchor point. */
#import <UIKit/UIDynamicBehavior.h>
#import <UIKit/UIGeometry.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIAttachmentBehaviorType) {
    UIAttachmentBehaviorTypeItems,
    UIAttachmentBehaviorTypeAnchor
} API_AVAILABLE(ios(7.0));

typedef struct {
    CGFloat minimum;
    CGFloat maximum;
} UIFloatRange;

UIKIT_EXTERN const UIFloatRange UIFloatRangeZero API_AVAILABLE(ios(9.0));
UIKIT_EXTERN const UIFloatRange UIFloatRangeInfinite API_AVAILABLE(ios(9.0));
UIKIT_EXTERN BOOL UIFloatRangeIsInfinite(UIFloatRange range) API_AVAILABLE(ios(9.0));
UIKIT_STATIC_INLINE UIFloatRange UIFloatRangeMake(CGFloat minimum, CGFloat maximum) {
    return (UIFloatRange){minimum, maximum};
}
UIKIT_STATIC_INLINE BOOL UIFloatRangeIsEqualToRange(UIFloatRange range, UIFloatRange otherRange) {
    return range.minimum == otherRange.minimum && range.maximum == otherRange.maximum;
}

API_AVAILABLE(ios(7.0))
@interface UIAttachmentBehavior : UIDynamicBehavior
- (instancetype)initWithItem:(id<UIDynamicItem>)item attachedToAnchor:(CGPoint)point;
- (instancetype)initWithItem:(id<UIDynamicItem>)item
            offsetFromCenter:(UIOffset)offset
            attachedToAnchor:(CGPoint)point NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithItem:(id<UIDynamicItem>)item1 attachedToItem:(id<UIDynamicItem>)item2;
- (instancetype)initWithItem:(id<UIDynamicItem>)item1
            offsetFromCenter:(UIOffset)offset1
              attachedToItem:(id<UIDynamicItem>)item2
            offsetFromCenter:(UIOffset)offset2 NS_DESIGNATED_INITIALIZER;
+ (instancetype)slidingAttachmentWithItem:(id<UIDynamicItem>)item1
                         attachedToItem:(id<UIDynamicItem>)item2
                            attachmentAnchor:(CGPoint)point
                           axisOfTranslation:(CGVector)axis API_AVAILABLE(ios(9.0));
+ (instancetype)pinAttachmentWithItem:(id<UIDynamicItem>)item1
                       attachedToItem:(id<UIDynamicItem>)item2
                     attachmentAnchor:(CGPoint)point API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, copy) NSArray<id<UIDynamicItem>> *items;
@property (readonly, nonatomic) UIAttachmentBehaviorType attachedBehaviorType;
@property (readwrite, nonatomic) CGPoint anchorPoint;
@property (readwrite, nonatomic) CGFloat length;
@property (readwrite, nonatomic) CGFloat damping;
@property (readwrite, nonatomic) CGFloat frequency;
@property (readwrite, nonatomic) CGFloat frictionTorque API_AVAILABLE(ios(9.0));
@property (readwrite, nonatomic) UIFloatRange attachmentRange API_AVAILABLE(ios(9.0));
@end

NS_ASSUME_NONNULL_END
