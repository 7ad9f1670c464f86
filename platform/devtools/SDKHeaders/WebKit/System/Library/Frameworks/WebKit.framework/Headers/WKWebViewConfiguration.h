/* WKWebViewConfiguration.h: how a web view is set up: preferences, media playback and data detection. */
#import <WebKit/WKFoundation.h>

@class WKPreferences, WKUserContentController, WKProcessPool, WKWebsiteDataStore;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, WKAudiovisualMediaTypes) {
    WKAudiovisualMediaTypeNone = 0,
    WKAudiovisualMediaTypeAudio = 1 << 0,
    WKAudiovisualMediaTypeVideo = 1 << 1,
    WKAudiovisualMediaTypeAll = NSUIntegerMax
} API_AVAILABLE(macos(10.12), ios(10.0));

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKWebViewConfiguration : NSObject <NSSecureCoding, NSCopying>
@property (nonatomic, strong) WKPreferences *preferences;
@property (nonatomic, strong) WKProcessPool *processPool;
@property (nonatomic, strong) WKUserContentController *userContentController;
@property (nonatomic, strong) WKWebsiteDataStore *websiteDataStore API_AVAILABLE(macos(10.11), ios(9.0));
@property (nullable, nonatomic, copy) NSString *applicationNameForUserAgent API_AVAILABLE(macos(10.11), ios(9.0));
@property (nonatomic) BOOL suppressesIncrementalRendering;
@property (nonatomic) BOOL allowsAirPlayForMediaPlayback API_AVAILABLE(macos(10.11), ios(9.0));
@property (nonatomic) WKAudiovisualMediaTypes mediaTypesRequiringUserActionForPlayback
    API_AVAILABLE(macos(10.12), ios(10.0));
#if TARGET_OS_IPHONE
@property (nonatomic) BOOL allowsInlineMediaPlayback API_AVAILABLE(ios(8.0));
@property (nonatomic) BOOL allowsPictureInPictureMediaPlayback API_AVAILABLE(ios(9.0));
#endif
@property (nonatomic) BOOL limitsNavigationsToAppBoundDomains API_AVAILABLE(macos(11.0), ios(14.0));
@end

NS_ASSUME_NONNULL_END
