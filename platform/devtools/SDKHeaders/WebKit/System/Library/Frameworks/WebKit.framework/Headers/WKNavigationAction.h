/* WKNavigationAction.h: what starts a navigation: its request, type and the frames involved. */
#import <WebKit/WKFoundation.h>

@class WKFrameInfo;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, WKNavigationType) {
    WKNavigationTypeLinkActivated,
    WKNavigationTypeFormSubmitted,
    WKNavigationTypeBackForward,
    WKNavigationTypeReload,
    WKNavigationTypeFormResubmitted,
    WKNavigationTypeOther = -1,
} API_AVAILABLE(macos(10.10), ios(8.0));

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKNavigationAction : NSObject
@property (nonatomic, readonly, copy) WKFrameInfo *sourceFrame;
@property (nullable, nonatomic, readonly, copy) WKFrameInfo *targetFrame;
@property (nonatomic, readonly) WKNavigationType navigationType;
@property (nonatomic, readonly, copy) NSURLRequest *request;
@property (nonatomic, readonly) BOOL shouldPerformDownload API_AVAILABLE(macos(11.3), ios(14.5));
@end

NS_ASSUME_NONNULL_END
