/* NSTabViewController.h: a container view controller that shows one child at a time, chosen with tabs. */
#import <AppKit/NSViewController.h>
#import <AppKit/NSTabView.h>
#import <AppKit/NSToolbar.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSTabViewControllerTabStyle) {
    NSTabViewControllerTabStyleSegmentedControlOnTop = 0,
    NSTabViewControllerTabStyleSegmentedControlOnBottom,
    NSTabViewControllerTabStyleToolbar,
    NSTabViewControllerTabStyleUnspecified = -1
} API_AVAILABLE(macos(10.10));

API_AVAILABLE(macos(10.10))
@interface NSTabViewController : NSViewController <NSTabViewDelegate, NSToolbarDelegate>
@property NSTabViewControllerTabStyle tabStyle;
@property (strong) NSTabView *tabView;
@property NSViewControllerTransitionOptions transitionOptions;
@property BOOL canPropagateSelectedChildViewControllerTitle;
@property (copy) NSArray<__kindof NSTabViewItem *> *tabViewItems;
@property NSInteger selectedTabViewItemIndex;
- (void)addTabViewItem:(NSTabViewItem *)tabViewItem;
- (void)insertTabViewItem:(NSTabViewItem *)tabViewItem atIndex:(NSInteger)index;
- (void)removeTabViewItem:(NSTabViewItem *)tabViewItem;
- (nullable NSTabViewItem *)tabViewItemForViewController:(NSViewController *)viewController;
- (void)viewDidLoad;
- (void)tabView:(NSTabView *)tabView willSelectTabViewItem:(nullable NSTabViewItem *)tabViewItem;
- (void)tabView:(NSTabView *)tabView didSelectTabViewItem:(nullable NSTabViewItem *)tabViewItem;
- (BOOL)tabView:(NSTabView *)tabView shouldSelectTabViewItem:(nullable NSTabViewItem *)tabViewItem;
- (nullable NSToolbarItem *)toolbar:(NSToolbar *)toolbar
              itemForItemIdentifier:(NSToolbarItemIdentifier)itemIdentifier
          willBeInsertedIntoToolbar:(BOOL)flag;
- (NSArray<NSToolbarItemIdentifier> *)toolbarDefaultItemIdentifiers:(NSToolbar *)toolbar;
- (NSArray<NSToolbarItemIdentifier> *)toolbarAllowedItemIdentifiers:(NSToolbar *)toolbar;
- (NSArray<NSToolbarItemIdentifier> *)toolbarSelectableItemIdentifiers:(NSToolbar *)toolbar;
@end

NS_ASSUME_NONNULL_END
