/* UIDynamicAnimator.h: the animator that runs UIKit Dynamics behaviours in a reference view or collection layout. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/UIDynamicBehavior.h>

@class UICollectionViewLayout, UICollectionViewLayoutAttributes, UIDynamicAnimator;

NS_ASSUME_NONNULL_BEGIN

@protocol UIDynamicAnimatorDelegate <NSObject>
@optional
- (void)dynamicAnimatorWillResume:(UIDynamicAnimator *)animator;
- (void)dynamicAnimatorDidPause:(UIDynamicAnimator *)animator;
@end

API_AVAILABLE(ios(7.0))
@interface UIDynamicAnimator : NSObject
- (instancetype)initWithReferenceView:(UIView *)view NS_DESIGNATED_INITIALIZER;
- (void)addBehavior:(UIDynamicBehavior *)behavior;
- (void)removeBehavior:(UIDynamicBehavior *)behavior;
- (void)removeAllBehaviors;
@property (nullable, nonatomic, readonly) UIView *referenceView;
@property (nonatomic, readonly, copy) NSArray<__kindof UIDynamicBehavior *> *behaviors;
- (NSArray<id<UIDynamicItem>> *)itemsInRect:(CGRect)rect;
- (void)updateItemUsingCurrentState:(id<UIDynamicItem>)item;
@property (nonatomic, readonly, getter=isRunning) BOOL running;
- (NSTimeInterval)elapsedTime;
@property (nullable, nonatomic, weak) id<UIDynamicAnimatorDelegate> delegate;
@end

@interface UIDynamicAnimator (UICollectionViewAdditions)
- (instancetype)initWithCollectionViewLayout:(UICollectionViewLayout *)layout;
- (nullable UICollectionViewLayoutAttributes *)layoutAttributesForCellAtIndexPath:(NSIndexPath *)indexPath;
- (nullable UICollectionViewLayoutAttributes *)layoutAttributesForSupplementaryViewOfKind:(NSString *)kind
                                                                               atIndexPath:(NSIndexPath *)indexPath;
- (nullable UICollectionViewLayoutAttributes *)layoutAttributesForDecorationViewOfKind:(NSString *)decorationViewKind
                                                                            atIndexPath:(NSIndexPath *)indexPath;
@end

NS_ASSUME_NONNULL_END
