/* NSHTTPCookieStorage.h: the store of cookies that URL loads send and receive, and its acceptance policy. */
#import <Foundation/NSObject.h>
#import <Foundation/NSNotification.h>

@class NSArray<ObjectType>, NSDate, NSHTTPCookie, NSSortDescriptor, NSURL, NSURLSessionTask;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSHTTPCookieAcceptPolicy) {
    NSHTTPCookieAcceptPolicyAlways,
    NSHTTPCookieAcceptPolicyNever,
    NSHTTPCookieAcceptPolicyOnlyFromMainDocumentDomain
};

@interface NSHTTPCookieStorage : NSObject
@property (class, readonly, strong) NSHTTPCookieStorage *sharedHTTPCookieStorage;
+ (NSHTTPCookieStorage *)sharedCookieStorageForGroupContainerIdentifier:(NSString *)identifier
    API_AVAILABLE(macos(10.11), ios(9.0));
@property (nullable, readonly, copy) NSArray<NSHTTPCookie *> *cookies;
- (void)setCookie:(NSHTTPCookie *)cookie;
- (void)deleteCookie:(NSHTTPCookie *)cookie;
- (void)removeCookiesSinceDate:(NSDate *)date API_AVAILABLE(macos(10.10), ios(8.0));
- (nullable NSArray<NSHTTPCookie *> *)cookiesForURL:(NSURL *)URL;
- (void)setCookies:(NSArray<NSHTTPCookie *> *)cookies
            forURL:(nullable NSURL *)URL
    mainDocumentURL:(nullable NSURL *)mainDocumentURL;
@property NSHTTPCookieAcceptPolicy cookieAcceptPolicy;
- (NSArray<NSHTTPCookie *> *)sortedCookiesUsingDescriptors:(NSArray<NSSortDescriptor *> *)sortOrder
    API_AVAILABLE(macos(10.7), ios(5.0));
@end

@interface NSHTTPCookieStorage (NSURLSessionTaskAdditions)
- (void)storeCookies:(NSArray<NSHTTPCookie *> *)cookies
             forTask:(NSURLSessionTask *)task API_AVAILABLE(macos(10.10), ios(8.0));
- (void)getCookiesForTask:(NSURLSessionTask *)task
        completionHandler:(void (^)(NSArray<NSHTTPCookie *> *_Nullable cookies))completionHandler
    API_AVAILABLE(macos(10.10), ios(8.0));
@end

FOUNDATION_EXPORT NSNotificationName const NSHTTPCookieManagerAcceptPolicyChangedNotification;
FOUNDATION_EXPORT NSNotificationName const NSHTTPCookieManagerCookiesChangedNotification;

NS_ASSUME_NONNULL_END
