/* WebPreferences.h: the preferences of legacy web views: fonts, scripting, plug-ins, caching. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, WebCacheModel) {
    WebCacheModelDocumentViewer = 0,
    WebCacheModelDocumentBrowser = 1,
    WebCacheModelPrimaryWebBrowser = 2
};

extern NSString *WebPreferencesChangedNotification;

API_DEPRECATED("No longer supported; please adopt WKWebView.", macos(10.3, 10.14))
@interface WebPreferences : NSObject <NSCoding>
+ (WebPreferences *)standardPreferences;
- (instancetype)initWithIdentifier:(nullable NSString *)anIdentifier;
@property (nullable, readonly, copy) NSString *identifier;
@property (copy) NSString *standardFontFamily;
@property (copy) NSString *fixedFontFamily;
@property (copy) NSString *serifFontFamily;
@property (copy) NSString *sansSerifFontFamily;
@property (copy) NSString *cursiveFontFamily;
@property (copy) NSString *fantasyFontFamily;
@property int defaultFontSize;
@property int defaultFixedFontSize;
@property int minimumFontSize;
@property int minimumLogicalFontSize;
@property (copy) NSString *defaultTextEncodingName;
@property BOOL userStyleSheetEnabled;
@property (nullable, strong) NSURL *userStyleSheetLocation;
@property (getter=isJavaEnabled) BOOL javaEnabled;
@property (getter=isJavaScriptEnabled) BOOL javaScriptEnabled;
@property BOOL javaScriptCanOpenWindowsAutomatically;
@property BOOL plugInsEnabled;
@property BOOL allowsAnimatedImages;
@property BOOL allowsAnimatedImageLooping;
@property BOOL loadsImagesAutomatically;
@property BOOL autosaves;
@property BOOL shouldPrintBackgrounds;
@property BOOL privateBrowsingEnabled;
@property BOOL tabsToLinks;
@property BOOL usesPageCache;
@property WebCacheModel cacheModel;
@property BOOL suppressesIncrementalRendering;
@property BOOL allowsAirPlayForMediaPlayback;
@end

NS_ASSUME_NONNULL_END
