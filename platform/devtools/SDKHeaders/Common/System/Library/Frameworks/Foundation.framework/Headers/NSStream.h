/* NSStream.h: input and output streams of bytes from and to memory, files, URLs and sockets, with their events. */
#import <Foundation/NSObject.h>
#import <Foundation/NSError.h>

@class NSData, NSDictionary<KeyType, ObjectType>, NSError, NSHost, NSInputStream, NSOutputStream, NSRunLoop, NSString,
    NSURL;
@protocol NSStreamDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSStreamPropertyKey NS_TYPED_EXTENSIBLE_ENUM;

typedef NS_ENUM(NSUInteger, NSStreamStatus) {
    NSStreamStatusNotOpen = 0,
    NSStreamStatusOpening = 1,
    NSStreamStatusOpen = 2,
    NSStreamStatusReading = 3,
    NSStreamStatusWriting = 4,
    NSStreamStatusAtEnd = 5,
    NSStreamStatusClosed = 6,
    NSStreamStatusError = 7
};

typedef NS_OPTIONS(NSUInteger, NSStreamEvent) {
    NSStreamEventNone = 0,
    NSStreamEventOpenCompleted = 1UL << 0,
    NSStreamEventHasBytesAvailable = 1UL << 1,
    NSStreamEventHasSpaceAvailable = 1UL << 2,
    NSStreamEventErrorOccurred = 1UL << 3,
    NSStreamEventEndEncountered = 1UL << 4
};

@interface NSStream : NSObject
- (void)open;
- (void)close;
@property (nullable, assign) id<NSStreamDelegate> delegate;
- (nullable id)propertyForKey:(NSStreamPropertyKey)key;
- (BOOL)setProperty:(nullable id)property forKey:(NSStreamPropertyKey)key;
- (void)scheduleInRunLoop:(NSRunLoop *)aRunLoop forMode:(NSRunLoopMode)mode;
- (void)removeFromRunLoop:(NSRunLoop *)aRunLoop forMode:(NSRunLoopMode)mode;
@property (readonly) NSStreamStatus streamStatus;
@property (nullable, readonly, copy) NSError *streamError;
@end

@interface NSInputStream : NSStream
- (NSInteger)read:(uint8_t *)buffer maxLength:(NSUInteger)len;
- (BOOL)getBuffer:(uint8_t *_Nullable *_Nonnull)buffer length:(NSUInteger *)len;
@property (readonly) BOOL hasBytesAvailable;
- (instancetype)initWithData:(NSData *)data NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithURL:(NSURL *)url NS_DESIGNATED_INITIALIZER API_AVAILABLE(macos(10.6), ios(4.0));
@end

@interface NSOutputStream : NSStream
- (NSInteger)write:(const uint8_t *)buffer maxLength:(NSUInteger)len;
@property (readonly) BOOL hasSpaceAvailable;
- (instancetype)initToMemory NS_DESIGNATED_INITIALIZER;
- (instancetype)initToBuffer:(uint8_t *)buffer capacity:(NSUInteger)capacity NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithURL:(NSURL *)url
                              append:(BOOL)shouldAppend NS_DESIGNATED_INITIALIZER API_AVAILABLE(macos(10.6), ios(4.0));
@end

@interface NSStream (NSSocketStreamCreationExtensions)
+ (void)getStreamsToHostWithName:(NSString *)hostname
                            port:(NSInteger)port
                     inputStream:(NSInputStream *_Nullable *_Nullable)inputStream
                    outputStream:(NSOutputStream *_Nullable *_Nullable)outputStream
    API_AVAILABLE(macos(10.10), ios(8.0));
@end

@interface NSStream (NSStreamBoundPairCreationExtensions)
+ (void)getBoundStreamsWithBufferSize:(NSUInteger)bufferSize
                          inputStream:(NSInputStream *_Nullable *_Nullable)inputStream
                         outputStream:(NSOutputStream *_Nullable *_Nullable)outputStream
    API_AVAILABLE(macos(10.10), ios(8.0));
@end

@interface NSInputStream (NSInputStreamExtensions)
- (nullable instancetype)initWithFileAtPath:(NSString *)path;
+ (nullable instancetype)inputStreamWithData:(NSData *)data;
+ (nullable instancetype)inputStreamWithFileAtPath:(NSString *)path;
+ (nullable instancetype)inputStreamWithURL:(NSURL *)url API_AVAILABLE(macos(10.6), ios(4.0));
@end

@interface NSOutputStream (NSOutputStreamExtensions)
- (nullable instancetype)initToFileAtPath:(NSString *)path append:(BOOL)shouldAppend;
+ (instancetype)outputStreamToMemory;
+ (instancetype)outputStreamToBuffer:(uint8_t *)buffer capacity:(NSUInteger)capacity;
+ (instancetype)outputStreamToFileAtPath:(NSString *)path append:(BOOL)shouldAppend;
+ (nullable instancetype)outputStreamWithURL:(NSURL *)url
                                      append:(BOOL)shouldAppend API_AVAILABLE(macos(10.6), ios(4.0));
@end

@protocol NSStreamDelegate <NSObject>
@optional
- (void)stream:(NSStream *)aStream handleEvent:(NSStreamEvent)eventCode;
@end

FOUNDATION_EXPORT NSStreamPropertyKey const NSStreamSocketSecurityLevelKey;
FOUNDATION_EXPORT NSStreamPropertyKey const NSStreamSOCKSProxyConfigurationKey;
FOUNDATION_EXPORT NSStreamPropertyKey const NSStreamDataWrittenToMemoryStreamKey;
FOUNDATION_EXPORT NSStreamPropertyKey const NSStreamFileCurrentOffsetKey;
FOUNDATION_EXPORT NSStreamPropertyKey const NSStreamNetworkServiceType;
FOUNDATION_EXPORT NSErrorDomain const NSStreamSocketSSLErrorDomain;
FOUNDATION_EXPORT NSErrorDomain const NSStreamSOCKSErrorDomain;

NS_ASSUME_NONNULL_END
