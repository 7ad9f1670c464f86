/* UISearchBar.h: the text field of a search with its prompt, placeholder and buttons. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/UITextField.h>
#import <UIKit/UITextInputTraits.h>
#import <UIKit/UIBarCommon.h>
#import <UIKit/UIBarButtonItem.h>

@protocol UISearchBarDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, UISearchBarStyle) {
    UISearchBarStyleDefault,
    UISearchBarStyleProminent,
    UISearchBarStyleMinimal
} API_AVAILABLE(ios(7.0));

typedef NS_ENUM(NSInteger, UISearchBarIcon) {
    UISearchBarIconSearch,
    UISearchBarIconClear API_UNAVAILABLE(tvos),
    UISearchBarIconBookmark API_UNAVAILABLE(tvos),
    UISearchBarIconResultsList API_UNAVAILABLE(tvos),
};

API_AVAILABLE(ios(2.0))
@interface UISearchBar : UIView <UIBarPositioning, UITextInputTraits>
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
@property (nonatomic) BOOL showsSearchResultsButton API_AVAILABLE(ios(3.2));
@property (nonatomic, getter=isSearchResultsButtonSelected) BOOL searchResultsButtonSelected API_AVAILABLE(ios(3.2));
@property (nonatomic) UIBarStyle barStyle;
@property (null_resettable, nonatomic, strong) UIColor *tintColor;
@property (nullable, nonatomic, strong) UIColor *barTintColor API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic, assign, getter=isTranslucent) BOOL translucent API_AVAILABLE(ios(3.0));
@property (nullable, nonatomic, copy) NSArray<NSString *> *scopeButtonTitles API_AVAILABLE(ios(3.0));
@property (nonatomic) NSInteger selectedScopeButtonIndex API_AVAILABLE(ios(3.0));
@property (nonatomic) BOOL showsScopeBar API_AVAILABLE(ios(3.0));
- (void)setShowsScopeBar:(BOOL)show animated:(BOOL)animate API_AVAILABLE(ios(13.0));
@property (nullable, nonatomic, readwrite, strong) UIView *inputAccessoryView;
@property (nullable, nonatomic, strong) UIImage *backgroundImage API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, strong) UIImage *scopeBarBackgroundImage API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
- (void)setBackgroundImage:(nullable UIImage *)backgroundImage
            forBarPosition:(UIBarPosition)barPosition
                barMetrics:(UIBarMetrics)barMetrics API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
- (void)setSearchFieldBackgroundImage:(nullable UIImage *)backgroundImage
                             forState:(UIControlState)state API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
- (void)setImage:(nullable UIImage *)iconImage
    forSearchBarIcon:(UISearchBarIcon)icon
               state:(UIControlState)state API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
- (nullable UIImage *)imageForSearchBarIcon:(UISearchBarIcon)icon
                                      state:(UIControlState)state API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic) UIOffset searchTextPositionAdjustment API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
- (void)setPositionAdjustment:(UIOffset)adjustment
             forSearchBarIcon:(UISearchBarIcon)icon API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@end

@protocol UISearchBarDelegate <UIBarPositioningDelegate>
@optional
- (void)searchBar:(UISearchBar *)searchBar textDidChange:(NSString *)searchText;
- (void)searchBarSearchButtonClicked:(UISearchBar *)searchBar;
- (void)searchBarCancelButtonClicked:(UISearchBar *)searchBar;
- (BOOL)searchBarShouldBeginEditing:(UISearchBar *)searchBar;
- (void)searchBarTextDidBeginEditing:(UISearchBar *)searchBar;
- (BOOL)searchBarShouldEndEditing:(UISearchBar *)searchBar;
- (void)searchBarTextDidEndEditing:(UISearchBar *)searchBar;
- (BOOL)searchBar:(UISearchBar *)searchBar
    shouldChangeTextInRange:(NSRange)range
            replacementText:(NSString *)text API_AVAILABLE(ios(3.0));
- (void)searchBarBookmarkButtonClicked:(UISearchBar *)searchBar;
- (void)searchBarResultsListButtonClicked:(UISearchBar *)searchBar API_AVAILABLE(ios(3.2));
- (void)searchBar:(UISearchBar *)searchBar selectedScopeButtonIndexDidChange:(NSInteger)selectedScope
    API_AVAILABLE(ios(3.0));
@end

NS_ASSUME_NONNULL_END
