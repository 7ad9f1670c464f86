/* NSURLCache.h: the cache of URL responses in memory and on disk, and the cached responses it holds. */
#import <Foundation/NSObject.h>

@class NSCachedURLResponse, NSData, NSDate, NSDictionary, NSURL, NSURLRequest, NSURLResponse, NSURLSessionDataTask;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSURLCacheStoragePolicy) {
    NSURLCacheStorageAllowed,
    NSURLCacheStorageAllowedInMemoryOnly,
    NSURLCacheStorageNotAllowed,
};

@interface NSCachedURLResponse : NSObject <NSSecureCoding, NSCopying>
- (instancetype)initWithResponse:(NSURLResponse *)response data:(NSData *)data;
- (instancetype)initWithResponse:(NSURLResponse *)response
                            data:(NSData *)data
                        userInfo:(nullable NSDictionary *)userInfo
                   storagePolicy:(NSURLCacheStoragePolicy)storagePolicy;
@property (readonly, copy) NSURLResponse *response;
@property (readonly, copy) NSData *data;
@property (nullable, readonly, copy) NSDictionary *userInfo;
@property (readonly) NSURLCacheStoragePolicy storagePolicy;
@end

@interface NSURLCache : NSObject
@property (class, strong) NSURLCache *sharedURLCache;
- (instancetype)initWithMemoryCapacity:(NSUInteger)memoryCapacity
                          diskCapacity:(NSUInteger)diskCapacity
                              diskPath:(nullable NSString *)path
    API_DEPRECATED_WITH_REPLACEMENT("initWithMemoryCapacity:diskCapacity:directoryURL:", macos(10.2, API_TO_BE_DEPRECATED),
                                    ios(2.0, API_TO_BE_DEPRECATED));
- (instancetype)initWithMemoryCapacity:(NSUInteger)memoryCapacity
                          diskCapacity:(NSUInteger)diskCapacity
                          directoryURL:(nullable NSURL *)directoryURL API_AVAILABLE(macos(10.15), ios(13.0));
- (nullable NSCachedURLResponse *)cachedResponseForRequest:(NSURLRequest *)request;
- (void)storeCachedResponse:(NSCachedURLResponse *)cachedResponse forRequest:(NSURLRequest *)request;
- (void)removeCachedResponseForRequest:(NSURLRequest *)request;
- (void)removeAllCachedResponses;
- (void)removeCachedResponsesSinceDate:(NSDate *)date API_AVAILABLE(macos(10.10), ios(8.0));
@property NSUInteger memoryCapacity;
@property NSUInteger diskCapacity;
@property (readonly) NSUInteger currentMemoryUsage;
@property (readonly) NSUInteger currentDiskUsage;
@end

@interface NSURLCache (NSURLSessionTaskAdditions)
- (void)storeCachedResponse:(NSCachedURLResponse *)cachedResponse
                forDataTask:(NSURLSessionDataTask *)dataTask API_AVAILABLE(macos(10.10), ios(8.0));
- (void)getCachedResponseForDataTask:(NSURLSessionDataTask *)dataTask
                   completionHandler:(void (^)(NSCachedURLResponse *_Nullable cachedResponse))completionHandler
    API_AVAILABLE(macos(10.10), ios(8.0));
- (void)removeCachedResponseForDataTask:(NSURLSessionDataTask *)dataTask API_AVAILABLE(macos(10.10), ios(8.0));
@end

NS_ASSUME_NONNULL_END
