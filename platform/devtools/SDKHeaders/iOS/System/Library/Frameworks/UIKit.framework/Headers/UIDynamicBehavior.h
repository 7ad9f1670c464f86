/* UIDynamicBehavior.h: UIKit Dynamics: the items that behaviours move and the behaviours' common base. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>

@class UIDynamicAnimator, UIBezierPath;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, UIDynamicItemCollisionBoundsType) {
    UIDynamicItemCollisionBoundsTypeRectangle,
    UIDynamicItemCollisionBoundsTypeEllipse,
    UIDynamicItemCollisionBoundsTypePath
} API_AVAILABLE(ios(9.0));

@protocol UIDynamicItem <NSObject>
@property (nonatomic, readwrite) CGPoint center;
@property (nonatomic, readonly) CGRect bounds;
@property (nonatomic, readwrite) CGAffineTransform transform;
@optional
@property (nonatomic, readonly) UIDynamicItemCollisionBoundsType collisionBoundsType API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly) UIBezierPath *collisionBoundingPath API_AVAILABLE(ios(9.0));
@end

API_AVAILABLE(ios(9.0))
@interface UIDynamicItemGroup : NSObject <UIDynamicItem>
- (instancetype)initWithItems:(NSArray<id<UIDynamicItem>> *)items;
@property (nonatomic, readonly, copy) NSArray<id<UIDynamicItem>> *items;
@end

API_AVAILABLE(ios(7.0))
@interface UIDynamicBehavior : NSObject
- (void)addChildBehavior:(UIDynamicBehavior *)behavior;
- (void)removeChildBehavior:(UIDynamicBehavior *)behavior;
@property (nonatomic, readonly, copy) NSArray<__kindof UIDynamicBehavior *> *childBehaviors;
@property (nullable, nonatomic, copy) void (^action)(void);
- (void)willMoveToAnimator:(nullable UIDynamicAnimator *)dynamicAnimator;
@property (nullable, nonatomic, readonly) UIDynamicAnimator *dynamicAnimator;
@end

NS_ASSUME_NONNULL_END
