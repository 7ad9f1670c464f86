/* UICollectionViewCell.h: the reusable views of collection views: supplementary views and cells. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>

@class UICollectionViewLayout, UICollectionViewLayoutAttributes;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UICollectionViewCellDragState) {
    UICollectionViewCellDragStateNone,
    UICollectionViewCellDragStateLifting,
    UICollectionViewCellDragStateDragging
} API_AVAILABLE(ios(11.0));

API_AVAILABLE(ios(6.0))
@interface UICollectionReusableView : UIView
@property (nonatomic, readonly, copy, nullable) NSString *reuseIdentifier;
- (void)prepareForReuse NS_REQUIRES_SUPER;
- (void)applyLayoutAttributes:(UICollectionViewLayoutAttributes *)layoutAttributes;
- (void)willTransitionFromLayout:(UICollectionViewLayout *)oldLayout toLayout:(UICollectionViewLayout *)newLayout;
- (void)didTransitionFromLayout:(UICollectionViewLayout *)oldLayout toLayout:(UICollectionViewLayout *)newLayout;
- (UICollectionViewLayoutAttributes *)preferredLayoutAttributesFittingAttributes:
    (UICollectionViewLayoutAttributes *)layoutAttributes API_AVAILABLE(ios(8.0));
@end

API_AVAILABLE(ios(6.0))
@interface UICollectionViewCell : UICollectionReusableView
@property (nonatomic, readonly) UIView *contentView;
@property (nonatomic, getter=isSelected) BOOL selected;
@property (nonatomic, getter=isHighlighted) BOOL highlighted;
- (void)dragStateDidChange:(UICollectionViewCellDragState)dragState API_AVAILABLE(ios(11.0));
@property (nonatomic, strong, nullable) UIView *backgroundView;
@property (nonatomic, strong, nullable) UIView *selectedBackgroundView;
@end

NS_ASSUME_NONNULL_END
