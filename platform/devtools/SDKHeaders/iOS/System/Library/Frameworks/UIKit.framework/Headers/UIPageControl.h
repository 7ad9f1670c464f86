/* UIPageControl.h: the row of dots that shows the current page of a paged view. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIControl.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(2.0))
@interface UIPageControl : UIControl
@property (nonatomic) NSInteger numberOfPages;
@property (nonatomic) NSInteger currentPage;
@property (nonatomic) BOOL hidesForSinglePage;
@property (nonatomic) BOOL defersCurrentPageDisplay API_DEPRECATED("", ios(2.0, 14.0));
- (void)updateCurrentPageDisplay API_DEPRECATED("", ios(2.0, 14.0));
- (CGSize)sizeForNumberOfPages:(NSInteger)pageCount;
@property (nullable, nonatomic, strong) UIColor *pageIndicatorTintColor API_AVAILABLE(ios(6.0)) UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, strong)
    UIColor *currentPageIndicatorTintColor API_AVAILABLE(ios(6.0)) UI_APPEARANCE_SELECTOR;
@end

NS_ASSUME_NONNULL_END
