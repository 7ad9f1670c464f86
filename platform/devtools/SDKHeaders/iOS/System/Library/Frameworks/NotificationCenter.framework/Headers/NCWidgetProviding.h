/* NCWidgetProviding.h: the protocol a Today widget's view controller adopts to update its content. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKit.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NCUpdateResult) {
    NCUpdateResultNewData,
    NCUpdateResultNoData,
    NCUpdateResultFailed
} API_DEPRECATED("Use WidgetKit instead. Today View extensions have been deprecated.", ios(8.0, 14.0));

typedef NS_ENUM(NSInteger, NCWidgetDisplayMode) {
    NCWidgetDisplayModeCompact,
    NCWidgetDisplayModeExpanded,
} API_DEPRECATED("Use WidgetKit instead. Today View extensions have been deprecated.", ios(10.0, 14.0));

API_DEPRECATED("Use WidgetKit instead. Today View extensions have been deprecated.", ios(8.0, 14.0))
@protocol NCWidgetProviding <NSObject>
@optional
- (void)widgetPerformUpdateWithCompletionHandler:(void (^)(NCUpdateResult result))completionHandler;
- (void)widgetActiveDisplayModeDidChange:(NCWidgetDisplayMode)activeDisplayMode
                         withMaximumSize:(CGSize)maxSize API_AVAILABLE(ios(10.0));
- (UIEdgeInsets)widgetMarginInsetsForProposedMarginInsets:(UIEdgeInsets)defaultMarginInsets
    API_DEPRECATED("This method will not be called on widgets linked against iOS versions 10.0 and later.",
                   ios(8.0, 10.0));
@end

NS_ASSUME_NONNULL_END
