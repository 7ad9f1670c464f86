/* UISearchBar.h: the text field of a search with its prompt, placeholder and buttons. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/UITextField.h>

@protocol UISearchBarDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, UISearchBarStyle) {
    UISearchBarStyleDefault,
    UISearchBarStyleProminent,
    UISearchBarStyleMinimal
} API_AVAILABLE(ios(7.0));

API_AVAILABLE(ios(2.0))
@interface UISearchBar : UIView
- (instancetype)init;
- (instancetype)initWithFrame:(CGRect)frame NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nonatomic) UISearchBarStyle searchBarStyle API_AVAILABLE(ios(7.0));
@property (nullable, nonatomic, weak) id<UISearchBarDelegate> delegate;
@property (nullable, nonatomic, copy) NSString *text;
@property (nullable, nonatomic, copy) NSString *prompt;
@property (nullable, nonatomic, copy) NSString *placeholder;
@property (nonatomic) BOOL showsBookmarkButton;
@property (nonatomic) BOOL showsCancelButton;
@property (nonatomic, readonly, strong) UITextField *searchTextField API_AVAILABLE(ios(13.0));
- (void)setShowsCancelButton:(BOOL)showsCancelButton animated:(BOOL)animated API_AVAILABLE(ios(3.0));
@end

@protocol UISearchBarDelegate <NSObject>
@optional
- (void)searchBar:(UISearchBar *)searchBar textDidChange:(NSString *)searchText;
- (void)searchBarSearchButtonClicked:(UISearchBar *)searchBar;
- (void)searchBarCancelButtonClicked:(UISearchBar *)searchBar;
@end

NS_ASSUME_NONNULL_END
