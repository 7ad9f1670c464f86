/*
 * NSURLSession.h: URL sessions and their tasks: loading data from URLs (with completion handlers or delegates),
 * downloading and uploading.
 */
#import <Foundation/NSObject.h>
#import <Foundation/NSURLRequest.h>
#import <Foundation/NSURLResponse.h>
#import <Foundation/NSOperation.h>

@class NSArray<ObjectType>, NSData, NSDictionary<KeyType, ObjectType>, NSError, NSString, NSURL;
@class NSURLSessionDataTask, NSURLSessionDownloadTask, NSURLSessionUploadTask, NSURLSessionConfiguration;
@protocol NSURLSessionDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSURLSessionTaskState) {
    NSURLSessionTaskStateRunning = 0,
    NSURLSessionTaskStateSuspended = 1,
    NSURLSessionTaskStateCanceling = 2,
    NSURLSessionTaskStateCompleted = 3,
} API_AVAILABLE(macos(10.9), ios(7.0));

typedef NS_ENUM(NSInteger, NSURLSessionResponseDisposition) {
    NSURLSessionResponseCancel = 0,
    NSURLSessionResponseAllow = 1,
    NSURLSessionResponseBecomeDownload = 2,
    NSURLSessionResponseBecomeStream API_AVAILABLE(macos(10.11), ios(9.0)) = 3,
} API_AVAILABLE(macos(10.9), ios(7.0));

API_AVAILABLE(macos(10.9), ios(7.0))
@interface NSURLSession : NSObject

@property (class, readonly, strong) NSURLSession *sharedSession;
+ (NSURLSession *)sessionWithConfiguration:(NSURLSessionConfiguration *)configuration;
+ (NSURLSession *)sessionWithConfiguration:(NSURLSessionConfiguration *)configuration
                                  delegate:(nullable id<NSURLSessionDelegate>)delegate
                             delegateQueue:(nullable NSOperationQueue *)queue;

@property (readonly, retain) NSOperationQueue *delegateQueue;
@property (nullable, readonly, retain) id<NSURLSessionDelegate> delegate;
@property (readonly, copy) NSURLSessionConfiguration *configuration;
@property (nullable, copy) NSString *sessionDescription;

- (void)finishTasksAndInvalidate;
- (void)invalidateAndCancel;

- (NSURLSessionDataTask *)dataTaskWithRequest:(NSURLRequest *)request;
- (NSURLSessionDataTask *)dataTaskWithURL:(NSURL *)url;
- (NSURLSessionUploadTask *)uploadTaskWithRequest:(NSURLRequest *)request fromFile:(NSURL *)fileURL;
- (NSURLSessionUploadTask *)uploadTaskWithRequest:(NSURLRequest *)request fromData:(NSData *)bodyData;
- (NSURLSessionDownloadTask *)downloadTaskWithRequest:(NSURLRequest *)request;
- (NSURLSessionDownloadTask *)downloadTaskWithURL:(NSURL *)url;

#if defined(__BLOCKS__)
- (NSURLSessionDataTask *)dataTaskWithRequest:(NSURLRequest *)request
                            completionHandler:(void (^)(NSData *_Nullable data, NSURLResponse *_Nullable response,
                                                        NSError *_Nullable error))completionHandler;
- (NSURLSessionDataTask *)dataTaskWithURL:(NSURL *)url
                        completionHandler:(void (^)(NSData *_Nullable data, NSURLResponse *_Nullable response,
                                                    NSError *_Nullable error))completionHandler;
- (NSURLSessionUploadTask *)uploadTaskWithRequest:(NSURLRequest *)request
                                         fromData:(nullable NSData *)bodyData
                                completionHandler:(void (^)(NSData *_Nullable data, NSURLResponse *_Nullable response,
                                                            NSError *_Nullable error))completionHandler;
- (NSURLSessionDownloadTask *)downloadTaskWithURL:(NSURL *)url
                                completionHandler:(void (^)(NSURL *_Nullable location,
                                                            NSURLResponse *_Nullable response,
                                                            NSError *_Nullable error))completionHandler;
#endif

- (instancetype)init API_DEPRECATED("Please use +[NSURLSession sessionWithConfiguration:] or other class methods to "
                                    "create instances",
                                    macos(10.9, 10.15), ios(7.0, 13.0));
+ (instancetype)new API_DEPRECATED("Please use +[NSURLSession sessionWithConfiguration:] or other class methods to "
                                   "create instances",
                                   macos(10.9, 10.15), ios(7.0, 13.0));

@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface NSURLSessionTask : NSObject <NSCopying>
@property (readonly) NSUInteger taskIdentifier;
@property (nullable, readonly, copy) NSURLRequest *originalRequest;
@property (nullable, readonly, copy) NSURLRequest *currentRequest;
@property (nullable, readonly, copy) NSURLResponse *response;
@property (readonly) int64_t countOfBytesReceived;
@property (readonly) int64_t countOfBytesSent;
@property (readonly) int64_t countOfBytesExpectedToSend;
@property (readonly) int64_t countOfBytesExpectedToReceive;
@property (nullable, copy) NSString *taskDescription;
- (void)cancel;
@property (readonly) NSURLSessionTaskState state;
@property (nullable, readonly, copy) NSError *error;
- (void)suspend;
- (void)resume;
@property float priority API_AVAILABLE(macos(10.10), ios(8.0));
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface NSURLSessionDataTask : NSURLSessionTask
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface NSURLSessionUploadTask : NSURLSessionDataTask
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface NSURLSessionDownloadTask : NSURLSessionTask
#if defined(__BLOCKS__)
- (void)cancelByProducingResumeData:(void (^)(NSData *_Nullable resumeData))completionHandler;
#endif
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface NSURLSessionConfiguration : NSObject <NSCopying>
@property (class, readonly, strong) NSURLSessionConfiguration *defaultSessionConfiguration;
@property (class, readonly, strong) NSURLSessionConfiguration *ephemeralSessionConfiguration;
+ (NSURLSessionConfiguration *)backgroundSessionConfigurationWithIdentifier:(NSString *)identifier
    API_AVAILABLE(macos(10.10), ios(8.0));
@property (nullable, readonly, copy) NSString *identifier;
@property NSURLRequestCachePolicy requestCachePolicy;
@property NSTimeInterval timeoutIntervalForRequest;
@property NSTimeInterval timeoutIntervalForResource;
@property BOOL allowsCellularAccess;
@property BOOL waitsForConnectivity API_AVAILABLE(macos(10.13), ios(11.0));
@property (nullable, copy) NSDictionary *HTTPAdditionalHeaders;
@property NSInteger HTTPMaximumConnectionsPerHost;
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@protocol NSURLSessionDelegate <NSObject>
@optional
- (void)URLSession:(NSURLSession *)session didBecomeInvalidWithError:(nullable NSError *)error;
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@protocol NSURLSessionTaskDelegate <NSURLSessionDelegate>
@optional
- (void)URLSession:(NSURLSession *)session
                    task:(NSURLSessionTask *)task
    didCompleteWithError:(nullable NSError *)error;
- (void)URLSession:(NSURLSession *)session
                        task:(NSURLSessionTask *)task
             didSendBodyData:(int64_t)bytesSent
              totalBytesSent:(int64_t)totalBytesSent
    totalBytesExpectedToSend:(int64_t)totalBytesExpectedToSend;
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@protocol NSURLSessionDataDelegate <NSURLSessionTaskDelegate>
@optional
#if defined(__BLOCKS__)
- (void)URLSession:(NSURLSession *)session
              dataTask:(NSURLSessionDataTask *)dataTask
    didReceiveResponse:(NSURLResponse *)response
     completionHandler:(void (^)(NSURLSessionResponseDisposition disposition))completionHandler;
#endif
- (void)URLSession:(NSURLSession *)session dataTask:(NSURLSessionDataTask *)dataTask didReceiveData:(NSData *)data;
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@protocol NSURLSessionDownloadDelegate <NSURLSessionTaskDelegate>
- (void)URLSession:(NSURLSession *)session
                 downloadTask:(NSURLSessionDownloadTask *)downloadTask
    didFinishDownloadingToURL:(NSURL *)location;
@optional
- (void)URLSession:(NSURLSession *)session
                 downloadTask:(NSURLSessionDownloadTask *)downloadTask
                 didWriteData:(int64_t)bytesWritten
            totalBytesWritten:(int64_t)totalBytesWritten
    totalBytesExpectedToWrite:(int64_t)totalBytesExpectedToWrite;
@end

NS_ASSUME_NONNULL_END
