/* UIRefreshControl.h: the control that starts a refresh when a scroll view is pulled down. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIControl.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(6.0)) API_UNAVAILABLE(tvos)
@interface UIRefreshControl : UIControl
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nonatomic, readonly, getter=isRefreshing) BOOL refreshing;
@property (null_resettable, nonatomic, strong) UIColor *tintColor;
@property (nullable, nonatomic, strong) NSAttributedString *attributedTitle UI_APPEARANCE_SELECTOR;
- (void)beginRefreshing API_AVAILABLE(ios(6.0));
- (void)endRefreshing API_AVAILABLE(ios(6.0));
@end

NS_ASSUME_NONNULL_END
