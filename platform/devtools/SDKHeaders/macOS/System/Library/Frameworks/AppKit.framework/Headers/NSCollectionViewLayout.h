/* NSCollectionViewLayout.h: the layouts of collection views (the base, flow and grid layouts), their attributes and
   invalidation contexts. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>

@class NSCollectionView, NSNib;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSCollectionElementCategory) {
    NSCollectionElementCategoryItem,
    NSCollectionElementCategorySupplementaryView,
    NSCollectionElementCategoryDecorationView,
    NSCollectionElementCategoryInterItemGap
} API_AVAILABLE(macos(10.11));

typedef NSString *NSCollectionViewDecorationElementKind NS_SWIFT_BRIDGED_TYPEDEF;
typedef NSString *NSCollectionViewSupplementaryElementKind NS_SWIFT_BRIDGED_TYPEDEF;
APPKIT_EXTERN NSCollectionViewSupplementaryElementKind const NSCollectionElementKindInterItemGapIndicator API_AVAILABLE(macos(10.11));

API_AVAILABLE(macos(10.11))
@interface NSCollectionViewLayoutAttributes : NSObject <NSCopying>
@property NSRect frame;
@property NSSize size;
@property CGFloat alpha;
@property NSInteger zIndex;
@property (getter=isHidden) BOOL hidden;
@property (nullable, strong) NSIndexPath *indexPath;
@property (readonly) NSCollectionElementCategory representedElementCategory;
@property (nullable, readonly) NSString *representedElementKind;
+ (instancetype)layoutAttributesForItemWithIndexPath:(NSIndexPath *)indexPath;
+ (instancetype)layoutAttributesForInterItemGapBeforeIndexPath:(NSIndexPath *)indexPath;
+ (instancetype)layoutAttributesForSupplementaryViewOfKind:(NSCollectionViewSupplementaryElementKind)elementKind withIndexPath:(NSIndexPath *)indexPath;
+ (instancetype)layoutAttributesForDecorationViewOfKind:(NSCollectionViewDecorationElementKind)decorationViewKind withIndexPath:(NSIndexPath *)indexPath;
@end

API_AVAILABLE(macos(10.11))
@interface NSCollectionViewLayoutInvalidationContext : NSObject
@property (readonly) BOOL invalidateEverything;
@property (readonly) BOOL invalidateDataSourceCounts;
- (void)invalidateItemsAtIndexPaths:(NSSet<NSIndexPath *> *)indexPaths;
@property (nullable, readonly) NSSet<NSIndexPath *> *invalidatedItemIndexPaths;
@property NSPoint contentOffsetAdjustment;
@property NSSize contentSizeAdjustment;
@end

API_AVAILABLE(macos(10.11))
@interface NSCollectionViewLayout : NSObject <NSCoding>
@property (nullable, readonly, weak) NSCollectionView *collectionView;
- (void)invalidateLayout;
- (void)invalidateLayoutWithContext:(NSCollectionViewLayoutInvalidationContext *)context;
- (void)registerClass:(nullable Class)viewClass forDecorationViewOfKind:(NSCollectionViewDecorationElementKind)elementKind;
- (void)registerNib:(nullable NSNib *)nib forDecorationViewOfKind:(NSCollectionViewDecorationElementKind)elementKind;
@property (class, readonly) Class layoutAttributesClass;
@property (class, readonly) Class invalidationContextClass;
- (void)prepareLayout;
- (NSArray<__kindof NSCollectionViewLayoutAttributes *> *)layoutAttributesForElementsInRect:(NSRect)rect;
- (nullable NSCollectionViewLayoutAttributes *)layoutAttributesForItemAtIndexPath:(NSIndexPath *)indexPath;
- (nullable NSCollectionViewLayoutAttributes *)layoutAttributesForSupplementaryViewOfKind:(NSCollectionViewSupplementaryElementKind)elementKind atIndexPath:(NSIndexPath *)indexPath;
- (nullable NSCollectionViewLayoutAttributes *)layoutAttributesForDropTargetAtPoint:(NSPoint)pointInCollectionView;
- (BOOL)shouldInvalidateLayoutForBoundsChange:(NSRect)newBounds;
- (NSCollectionViewLayoutInvalidationContext *)invalidationContextForBoundsChange:(NSRect)newBounds;
- (NSPoint)targetContentOffsetForProposedContentOffset:(NSPoint)proposedContentOffset;
@property (readonly) NSSize collectionViewContentSize;
@end

typedef NS_ENUM(NSInteger, NSCollectionViewScrollDirection) {
    NSCollectionViewScrollDirectionVertical,
    NSCollectionViewScrollDirectionHorizontal
} API_AVAILABLE(macos(10.11));

APPKIT_EXTERN NSCollectionViewSupplementaryElementKind const NSCollectionElementKindSectionHeader API_AVAILABLE(macos(10.11));
APPKIT_EXTERN NSCollectionViewSupplementaryElementKind const NSCollectionElementKindSectionFooter API_AVAILABLE(macos(10.11));

@protocol NSCollectionViewDelegateFlowLayout;

API_AVAILABLE(macos(10.11))
@interface NSCollectionViewFlowLayout : NSCollectionViewLayout
@property CGFloat minimumLineSpacing;
@property CGFloat minimumInteritemSpacing;
@property NSSize itemSize;
@property NSSize estimatedItemSize;
@property NSCollectionViewScrollDirection scrollDirection;
@property NSSize headerReferenceSize;
@property NSSize footerReferenceSize;
@property NSEdgeInsets sectionInset;
@property BOOL sectionHeadersPinToVisibleBounds API_AVAILABLE(macos(10.12));
@property BOOL sectionFootersPinToVisibleBounds API_AVAILABLE(macos(10.12));
- (BOOL)sectionAtIndexIsCollapsed:(NSUInteger)sectionIndex API_AVAILABLE(macos(10.12));
- (void)collapseSectionAtIndex:(NSUInteger)sectionIndex API_AVAILABLE(macos(10.12));
- (void)expandSectionAtIndex:(NSUInteger)sectionIndex API_AVAILABLE(macos(10.12));
@end

API_AVAILABLE(macos(10.11))
@interface NSCollectionViewGridLayout : NSCollectionViewLayout
@property NSEdgeInsets margins;
@property CGFloat minimumInteritemSpacing;
@property CGFloat minimumLineSpacing;
@property NSUInteger maximumNumberOfRows;
@property NSUInteger maximumNumberOfColumns;
@property NSSize minimumItemSize;
@property NSSize maximumItemSize;
@property (copy) NSArray<NSColor *> *backgroundColors;
@end

NS_ASSUME_NONNULL_END
