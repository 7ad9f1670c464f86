/* UITableViewController.h: a view controller that manages a table view, and its refresh control. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewController.h>
#import <UIKit/UITableView.h>

@class UIRefreshControl;

NS_ASSUME_NONNULL_BEGIN

@interface UITableViewController : UIViewController <UITableViewDelegate, UITableViewDataSource>
- (instancetype)initWithStyle:(UITableViewStyle)style NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithNibName:(nullable NSString *)nibNameOrNil
                         bundle:(nullable NSBundle *)nibBundleOrNil NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (null_resettable, nonatomic, strong) UITableView *tableView;
@property (nonatomic) BOOL clearsSelectionOnViewWillAppear API_AVAILABLE(ios(3.2));
@property (nullable, nonatomic, strong) UIRefreshControl *refreshControl API_AVAILABLE(ios(6.0)) API_UNAVAILABLE(tvos);
@end

NS_ASSUME_NONNULL_END
