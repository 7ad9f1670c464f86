/* NSURLRequest.h: URL load requests: URL, cache policy, timeout, HTTP method, header fields and body. */
#import <Foundation/NSObject.h>
#import <Foundation/NSDate.h>

@class NSData, NSDictionary<KeyType, ObjectType>, NSInputStream, NSString, NSURL;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSURLRequestCachePolicy) {
    NSURLRequestUseProtocolCachePolicy = 0,
    NSURLRequestReloadIgnoringLocalCacheData = 1,
    NSURLRequestReloadIgnoringLocalAndRemoteCacheData = 4,
    NSURLRequestReloadIgnoringCacheData = NSURLRequestReloadIgnoringLocalCacheData,
    NSURLRequestReturnCacheDataElseLoad = 2,
    NSURLRequestReturnCacheDataDontLoad = 3,
    NSURLRequestReloadRevalidatingCacheData = 5,
};

typedef NS_ENUM(NSUInteger, NSURLRequestNetworkServiceType) {
    NSURLNetworkServiceTypeDefault = 0,
    NSURLNetworkServiceTypeVoIP API_DEPRECATED("Use PushKit for VoIP control purposes", macos(10.7, 10.15),
                                               ios(4.0, 13.0)) = 1,
    NSURLNetworkServiceTypeVideo = 2,
    NSURLNetworkServiceTypeBackground = 3,
    NSURLNetworkServiceTypeVoice = 4,
    NSURLNetworkServiceTypeResponsiveData = 6,
    NSURLNetworkServiceTypeAVStreaming API_AVAILABLE(macos(10.15), ios(13.0)) = 8,
    NSURLNetworkServiceTypeResponsiveAV API_AVAILABLE(macos(10.15), ios(13.0)) = 9,
    NSURLNetworkServiceTypeCallSignaling API_AVAILABLE(macos(10.12), ios(10.0)) = 11,
};

typedef NS_ENUM(NSUInteger, NSURLRequestAttribution) {
    NSURLRequestAttributionDeveloper = 0,
    NSURLRequestAttributionUser = 1,
} API_AVAILABLE(macos(12.0), ios(15.0));

@interface NSURLRequest : NSObject <NSSecureCoding, NSCopying, NSMutableCopying>

+ (instancetype)requestWithURL:(NSURL *)URL;
+ (instancetype)requestWithURL:(NSURL *)URL
                   cachePolicy:(NSURLRequestCachePolicy)cachePolicy
               timeoutInterval:(NSTimeInterval)timeoutInterval;
- (instancetype)initWithURL:(NSURL *)URL;
- (instancetype)initWithURL:(NSURL *)URL
                cachePolicy:(NSURLRequestCachePolicy)cachePolicy
            timeoutInterval:(NSTimeInterval)timeoutInterval NS_DESIGNATED_INITIALIZER;

@property (nullable, readonly, copy) NSURL *URL;
@property (readonly) NSURLRequestCachePolicy cachePolicy;
@property (readonly) NSTimeInterval timeoutInterval;
@property (nullable, readonly, copy) NSURL *mainDocumentURL;
@property (readonly) NSURLRequestNetworkServiceType networkServiceType API_AVAILABLE(macos(10.7), ios(4.0));
@property (readonly) BOOL allowsCellularAccess API_AVAILABLE(macos(10.8), ios(6.0));
@property (readonly) BOOL allowsExpensiveNetworkAccess API_AVAILABLE(macos(10.15), ios(13.0));
@property (readonly) BOOL allowsConstrainedNetworkAccess API_AVAILABLE(macos(10.15), ios(13.0));
@property (readonly) BOOL assumesHTTP3Capable API_AVAILABLE(macos(11.3), ios(14.5));
@property (readonly) NSURLRequestAttribution attribution API_AVAILABLE(macos(12.0), ios(15.0));
@property (class, readonly) BOOL supportsSecureCoding;

@end

@interface NSMutableURLRequest : NSURLRequest
@property (nullable, copy) NSURL *URL;
@property NSURLRequestCachePolicy cachePolicy;
@property NSTimeInterval timeoutInterval;
@property (nullable, copy) NSURL *mainDocumentURL;
@property NSURLRequestNetworkServiceType networkServiceType API_AVAILABLE(macos(10.7), ios(4.0));
@property BOOL allowsCellularAccess API_AVAILABLE(macos(10.8), ios(6.0));
@property BOOL allowsExpensiveNetworkAccess API_AVAILABLE(macos(10.15), ios(13.0));
@property BOOL allowsConstrainedNetworkAccess API_AVAILABLE(macos(10.15), ios(13.0));
@property BOOL assumesHTTP3Capable API_AVAILABLE(macos(11.3), ios(14.5));
@property NSURLRequestAttribution attribution API_AVAILABLE(macos(12.0), ios(15.0));
@end

@interface NSURLRequest (NSHTTPURLRequest)
@property (nullable, readonly, copy) NSString *HTTPMethod;
@property (nullable, readonly, copy) NSDictionary<NSString *, NSString *> *allHTTPHeaderFields;
- (nullable NSString *)valueForHTTPHeaderField:(NSString *)field;
@property (nullable, readonly, copy) NSData *HTTPBody;
@property (nullable, readonly, retain) NSInputStream *HTTPBodyStream;
@property (readonly) BOOL HTTPShouldHandleCookies;
@property (readonly) BOOL HTTPShouldUsePipelining API_AVAILABLE(macos(10.7), ios(4.0));
@end

@interface NSMutableURLRequest (NSMutableHTTPURLRequest)
@property (copy) NSString *HTTPMethod;
@property (nullable, copy) NSDictionary<NSString *, NSString *> *allHTTPHeaderFields;
- (void)setValue:(nullable NSString *)value forHTTPHeaderField:(NSString *)field;
- (void)addValue:(NSString *)value forHTTPHeaderField:(NSString *)field;
@property (nullable, copy) NSData *HTTPBody;
@property (nullable, retain) NSInputStream *HTTPBodyStream;
@property BOOL HTTPShouldHandleCookies;
@property BOOL HTTPShouldUsePipelining API_AVAILABLE(macos(10.7), ios(4.0));
@end

NS_ASSUME_NONNULL_END
