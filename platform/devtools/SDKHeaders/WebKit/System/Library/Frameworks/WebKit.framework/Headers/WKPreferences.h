/* WKPreferences.h: the preferences of the web views of a configuration. */
#import <WebKit/WKFoundation.h>

NS_ASSUME_NONNULL_BEGIN

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKPreferences : NSObject <NSSecureCoding>
@property (nonatomic) CGFloat minimumFontSize;
@property (nonatomic) BOOL javaScriptCanOpenWindowsAutomatically;
@property (nonatomic, getter=isFraudulentWebsiteWarningEnabled) BOOL fraudulentWebsiteWarningEnabled
    API_AVAILABLE(macos(10.15), ios(13.0));
@property (nonatomic, getter=isElementFullscreenEnabled) BOOL elementFullscreenEnabled
    API_AVAILABLE(macos(12.3), ios(15.4));
@property (nonatomic) BOOL javaScriptEnabled API_DEPRECATED("Use WKWebpagePreferences.allowsContentJavaScript",
                                                            macos(10.10, 11.0), ios(8.0, 14.0));
@end

NS_ASSUME_NONNULL_END
