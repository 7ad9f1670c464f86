/* WKOpenPanelParameters.h: what a page's file upload control asks of the open panel. */
#import <WebKit/WKFoundation.h>

NS_ASSUME_NONNULL_BEGIN

WK_CLASS_AVAILABLE(macos(10.12), ios(18.4))
@interface WKOpenPanelParameters : NSObject
@property (nonatomic, readonly) BOOL allowsMultipleSelection;
@property (nonatomic, readonly) BOOL allowsDirectories API_AVAILABLE(macos(10.13.4), ios(18.4));
@end

NS_ASSUME_NONNULL_END
