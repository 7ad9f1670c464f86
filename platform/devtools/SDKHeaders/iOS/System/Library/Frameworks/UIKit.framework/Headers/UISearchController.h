/* UISearchController.h: the view controller that shows search results for a search bar, with its delegate and the
 * protocol of the object that updates the results. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewController.h>
#import <UIKit/UIPresentationController.h>
#import <UIKit/UISearchBar.h>
#import <UIKit/UIViewControllerTransitioning.h>

@class UISearchController;

NS_ASSUME_NONNULL_BEGIN

@protocol UISearchControllerDelegate <NSObject>
@optional
- (void)willPresentSearchController:(UISearchController *)searchController;
- (void)didPresentSearchController:(UISearchController *)searchController;
- (void)willDismissSearchController:(UISearchController *)searchController;
- (void)didDismissSearchController:(UISearchController *)searchController;
- (void)presentSearchController:(UISearchController *)searchController;
@end

@protocol UISearchResultsUpdating <NSObject>
@required
- (void)updateSearchResultsForSearchController:(UISearchController *)searchController;
@end

API_AVAILABLE(ios(8.0))
@interface UISearchController : UIViewController <UIViewControllerTransitioningDelegate,
                                                  UIViewControllerAnimatedTransitioning>
- (instancetype)initWithSearchResultsController:(nullable UIViewController *)searchResultsController;
- (instancetype)initWithNibName:(nullable NSString *)nibNameOrNil
                         bundle:(nullable NSBundle *)nibBundleOrNil NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)aDecoder NS_DESIGNATED_INITIALIZER;
@property (nullable, nonatomic, weak) id<UISearchResultsUpdating> searchResultsUpdater;
@property (nonatomic, assign, getter=isActive) BOOL active;
@property (nullable, nonatomic, weak) id<UISearchControllerDelegate> delegate;
@property (nonatomic, assign) BOOL dimsBackgroundDuringPresentation
    API_DEPRECATED_WITH_REPLACEMENT("obscuresBackgroundDuringPresentation", ios(8.0, 12.0));
@property (nonatomic, assign) BOOL obscuresBackgroundDuringPresentation API_AVAILABLE(ios(9.1));
@property (nonatomic, assign) BOOL hidesNavigationBarDuringPresentation;
@property (nullable, nonatomic, strong, readonly) UIViewController *searchResultsController;
@property (nonatomic, strong, readonly) UISearchBar *searchBar;
@property (nonatomic) BOOL automaticallyShowsSearchResultsController API_AVAILABLE(ios(13.0));
@property (nonatomic) BOOL showsSearchResultsController API_AVAILABLE(ios(13.0));
@property (nonatomic) BOOL automaticallyShowsCancelButton API_AVAILABLE(ios(13.0));
@property (nonatomic) BOOL automaticallyShowsScopeBar API_AVAILABLE(ios(13.0));
@end

NS_ASSUME_NONNULL_END
