/* NSPort.h: communication ports: sending messages between threads and processes through a run loop. */
#import <Foundation/NSObject.h>
#import <Foundation/NSNotification.h>
#import <Foundation/NSRunLoop.h>

@class NSRunLoop, NSMutableArray, NSDate, NSConnection, NSPortMessage, NSData;
@protocol NSPortDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef int NSSocketNativeHandle;

FOUNDATION_EXPORT NSNotificationName const NSPortDidBecomeInvalidNotification;

@interface NSPort : NSObject <NSCopying, NSCoding>
+ (NSPort *)port;
- (void)invalidate;
@property (readonly, getter=isValid) BOOL valid;
- (void)setDelegate:(nullable id<NSPortDelegate>)anObject;
- (nullable id<NSPortDelegate>)delegate;
- (void)scheduleInRunLoop:(NSRunLoop *)runLoop forMode:(NSRunLoopMode)mode;
- (void)removeFromRunLoop:(NSRunLoop *)runLoop forMode:(NSRunLoopMode)mode;
@property (readonly) NSUInteger reservedSpaceLength;
- (BOOL)sendBeforeDate:(NSDate *)limitDate
            components:(nullable NSMutableArray *)components
                  from:(nullable NSPort *)receivePort
              reserved:(NSUInteger)headerSpaceReserved;
- (BOOL)sendBeforeDate:(NSDate *)limitDate
                 msgid:(NSUInteger)msgID
            components:(nullable NSMutableArray *)components
                  from:(nullable NSPort *)receivePort
              reserved:(NSUInteger)headerSpaceReserved;
#if TARGET_OS_OSX
- (void)addConnection:(NSConnection *)conn
            toRunLoop:(NSRunLoop *)runLoop
              forMode:(NSRunLoopMode)mode API_DEPRECATED("Use NSXPCConnection instead", macos(10.0, 10.13));
- (void)removeConnection:(NSConnection *)conn
             fromRunLoop:(NSRunLoop *)runLoop
                 forMode:(NSRunLoopMode)mode API_DEPRECATED("Use NSXPCConnection instead", macos(10.0, 10.13));
#endif
@end

@protocol NSPortDelegate <NSObject>
@optional
- (void)handlePortMessage:(NSPortMessage *)message;
@end

NS_ASSUME_NONNULL_END
