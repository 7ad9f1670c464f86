/* NSSplitViewController.h: a container view controller whose children are the panes of a split view. */
#import <AppKit/NSViewController.h>
#import <AppKit/NSSplitView.h>
#import <AppKit/NSLayoutConstraint.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSSplitViewItemBehavior) {
    NSSplitViewItemBehaviorDefault,
    NSSplitViewItemBehaviorSidebar,
    NSSplitViewItemBehaviorContentList,
} API_AVAILABLE(macos(10.11));

typedef NS_ENUM(NSInteger, NSSplitViewItemCollapseBehavior) {
    NSSplitViewItemCollapseBehaviorDefault,
    NSSplitViewItemCollapseBehaviorPreferResizingSplitViewWithFixedSiblings,
    NSSplitViewItemCollapseBehaviorPreferResizingSiblingsWithFixedSplitView,
    NSSplitViewItemCollapseBehaviorUseConstraints,
} API_AVAILABLE(macos(10.11));

API_AVAILABLE(macos(10.10))
@interface NSSplitViewItem : NSObject <NSCoding>
+ (instancetype)splitViewItemWithViewController:(NSViewController *)viewController;
+ (instancetype)sidebarWithViewController:(NSViewController *)viewController API_AVAILABLE(macos(10.11));
+ (instancetype)contentListWithViewController:(NSViewController *)viewController API_AVAILABLE(macos(10.11));
@property (readonly) NSSplitViewItemBehavior behavior API_AVAILABLE(macos(10.11));
@property (strong) NSViewController *viewController;
@property (getter=isCollapsed) BOOL collapsed;
@property BOOL canCollapse;
@property NSSplitViewItemCollapseBehavior collapseBehavior API_AVAILABLE(macos(10.11));
@property CGFloat minimumThickness API_AVAILABLE(macos(10.11));
@property CGFloat maximumThickness API_AVAILABLE(macos(10.11));
@property CGFloat preferredThicknessFraction API_AVAILABLE(macos(10.11));
@property NSLayoutPriority holdingPriority;
@property (getter=isSpringLoaded) BOOL springLoaded API_AVAILABLE(macos(10.11));
@end

API_AVAILABLE(macos(10.10))
@interface NSSplitViewController : NSViewController <NSSplitViewDelegate>
@property (strong) NSSplitView *splitView;
@property (copy) NSArray<__kindof NSSplitViewItem *> *splitViewItems;
- (void)addSplitViewItem:(NSSplitViewItem *)splitViewItem;
- (void)insertSplitViewItem:(NSSplitViewItem *)splitViewItem atIndex:(NSInteger)index;
- (void)removeSplitViewItem:(NSSplitViewItem *)splitViewItem;
- (nullable NSSplitViewItem *)splitViewItemForViewController:(NSViewController *)viewController;
@property CGFloat minimumThicknessForInlineSidebars API_AVAILABLE(macos(10.11));
- (void)viewDidLoad;
- (BOOL)splitView:(NSSplitView *)splitView canCollapseSubview:(NSView *)subview;
- (BOOL)splitView:(NSSplitView *)splitView shouldHideDividerAtIndex:(NSInteger)dividerIndex;
- (NSRect)splitView:(NSSplitView *)splitView
         effectiveRect:(NSRect)proposedEffectiveRect
          forDrawnRect:(NSRect)drawnRect
      ofDividerAtIndex:(NSInteger)dividerIndex;
- (NSRect)splitView:(NSSplitView *)splitView additionalEffectiveRectOfDividerAtIndex:(NSInteger)dividerIndex;
- (IBAction)toggleSidebar:(nullable id)sender API_AVAILABLE(macos(10.11));
@end

NS_ASSUME_NONNULL_END
