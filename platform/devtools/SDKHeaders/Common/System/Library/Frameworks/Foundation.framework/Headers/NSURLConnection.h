/*
 * NSURLConnection.h: the older loading of URL requests: connections with their delegates, and synchronous and
 * queued loading.
 */
#import <Foundation/NSObject.h>
#import <Foundation/NSRunLoop.h>

@class NSCachedURLResponse, NSData, NSError, NSInputStream, NSOperationQueue, NSURL, NSURLAuthenticationChallenge,
    NSURLProtectionSpace, NSURLRequest, NSURLResponse;

NS_ASSUME_NONNULL_BEGIN

#define NS_URLCONNECTION_DEPRECATED API_DEPRECATED("use NSURLSession", macos(10.3, 10.11), ios(2.0, 9.0))

@interface NSURLConnection : NSObject
- (nullable instancetype)initWithRequest:(NSURLRequest *)request
                                delegate:(nullable id)delegate
                        startImmediately:(BOOL)startImmediately NS_URLCONNECTION_DEPRECATED;
- (nullable instancetype)initWithRequest:(NSURLRequest *)request delegate:(nullable id)delegate
    NS_URLCONNECTION_DEPRECATED;
+ (nullable NSURLConnection *)connectionWithRequest:(NSURLRequest *)request
                                           delegate:(nullable id)delegate NS_URLCONNECTION_DEPRECATED;
@property (readonly, copy) NSURLRequest *originalRequest API_AVAILABLE(macos(10.8), ios(5.0));
@property (readonly, copy) NSURLRequest *currentRequest API_AVAILABLE(macos(10.8), ios(5.0));
- (void)start API_AVAILABLE(macos(10.5), ios(2.0));
- (void)cancel;
- (void)scheduleInRunLoop:(NSRunLoop *)aRunLoop forMode:(NSRunLoopMode)mode;
- (void)unscheduleFromRunLoop:(NSRunLoop *)aRunLoop forMode:(NSRunLoopMode)mode;
- (void)setDelegateQueue:(nullable NSOperationQueue *)queue API_AVAILABLE(macos(10.7), ios(5.0));
+ (BOOL)canHandleRequest:(NSURLRequest *)request;
@end

@protocol NSURLConnectionDelegate <NSObject>
@optional
- (void)connection:(NSURLConnection *)connection didFailWithError:(NSError *)error;
- (BOOL)connectionShouldUseCredentialStorage:(NSURLConnection *)connection;
- (void)connection:(NSURLConnection *)connection
    willSendRequestForAuthenticationChallenge:(NSURLAuthenticationChallenge *)challenge;
- (BOOL)connection:(NSURLConnection *)connection
    canAuthenticateAgainstProtectionSpace:(NSURLProtectionSpace *)protectionSpace
    API_DEPRECATED("use connection:willSendRequestForAuthenticationChallenge:", macos(10.6, 10.10), ios(3.0, 8.0));
- (void)connection:(NSURLConnection *)connection
    didReceiveAuthenticationChallenge:(NSURLAuthenticationChallenge *)challenge
    API_DEPRECATED("use connection:willSendRequestForAuthenticationChallenge:", macos(10.2, 10.10), ios(2.0, 8.0));
- (void)connection:(NSURLConnection *)connection
    didCancelAuthenticationChallenge:(NSURLAuthenticationChallenge *)challenge
    API_DEPRECATED("use connection:willSendRequestForAuthenticationChallenge:", macos(10.2, 10.10), ios(2.0, 8.0));
@end

@protocol NSURLConnectionDataDelegate <NSURLConnectionDelegate>
@optional
- (nullable NSURLRequest *)connection:(NSURLConnection *)connection
                      willSendRequest:(NSURLRequest *)request
                     redirectResponse:(nullable NSURLResponse *)response;
- (void)connection:(NSURLConnection *)connection didReceiveResponse:(NSURLResponse *)response;
- (void)connection:(NSURLConnection *)connection didReceiveData:(NSData *)data;
- (nullable NSInputStream *)connection:(NSURLConnection *)connection needNewBodyStream:(NSURLRequest *)request;
- (void)connection:(NSURLConnection *)connection
              didSendBodyData:(NSInteger)bytesWritten
            totalBytesWritten:(NSInteger)totalBytesWritten
    totalBytesExpectedToWrite:(NSInteger)totalBytesExpectedToWrite;
- (nullable NSCachedURLResponse *)connection:(NSURLConnection *)connection
                           willCacheResponse:(NSCachedURLResponse *)cachedResponse;
- (void)connectionDidFinishLoading:(NSURLConnection *)connection;
@end

@protocol NSURLConnectionDownloadDelegate <NSURLConnectionDelegate>
@optional
- (void)connection:(NSURLConnection *)connection
          didWriteData:(long long)bytesWritten
     totalBytesWritten:(long long)totalBytesWritten
    expectedTotalBytes:(long long)expectedTotalBytes;
- (void)connectionDidResumeDownloading:(NSURLConnection *)connection
                     totalBytesWritten:(long long)totalBytesWritten
                    expectedTotalBytes:(long long)expectedTotalBytes;
@required
- (void)connectionDidFinishDownloading:(NSURLConnection *)connection destinationURL:(NSURL *)destinationURL;
@end

@interface NSURLConnection (NSURLConnectionSynchronousLoading)
+ (nullable NSData *)sendSynchronousRequest:(NSURLRequest *)request
                          returningResponse:(NSURLResponse *_Nullable *_Nullable)response
                                      error:(NSError **)error NS_URLCONNECTION_DEPRECATED;
@end

@interface NSURLConnection (NSURLConnectionQueuedLoading)
+ (void)sendAsynchronousRequest:(NSURLRequest *)request
                          queue:(NSOperationQueue *)queue
              completionHandler:(void (^)(NSURLResponse *_Nullable response, NSData *_Nullable data,
                                          NSError *_Nullable connectionError))handler NS_URLCONNECTION_DEPRECATED;
@end

NS_ASSUME_NONNULL_END
