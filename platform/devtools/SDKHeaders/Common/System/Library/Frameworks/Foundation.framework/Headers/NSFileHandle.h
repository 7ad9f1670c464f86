/* NSFileHandle.h: file descriptors as objects: reading, writing and seeking files, pipes and standard streams. */
#import <Foundation/NSObject.h>
#import <Foundation/NSNotification.h>

@class NSData, NSError, NSString, NSURL;

NS_ASSUME_NONNULL_BEGIN

@interface NSFileHandle : NSObject <NSSecureCoding>

@property (readonly, copy) NSData *availableData;
- (instancetype)initWithFileDescriptor:(int)fd closeOnDealloc:(BOOL)closeopt NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (nullable NSData *)readDataToEndOfFileAndReturnError:(out NSError **)error API_AVAILABLE(macos(10.15), ios(13.0));
- (nullable NSData *)readDataUpToLength:(NSUInteger)length
                                  error:(out NSError **)error API_AVAILABLE(macos(10.15), ios(13.0));
- (BOOL)writeData:(NSData *)data error:(out NSError **)error API_AVAILABLE(macos(10.15), ios(13.0));
- (BOOL)closeAndReturnError:(out NSError **)error API_AVAILABLE(macos(10.15), ios(13.0));
- (NSData *)readDataToEndOfFile;
- (NSData *)readDataOfLength:(NSUInteger)length;
- (void)writeData:(NSData *)data;
- (unsigned long long)seekToEndOfFile;
- (void)seekToFileOffset:(unsigned long long)offset;
- (void)truncateFileAtOffset:(unsigned long long)offset;
- (void)synchronizeFile;
- (void)closeFile;
@property (readonly) unsigned long long offsetInFile;
@property (readonly) int fileDescriptor;

@property (class, readonly, strong) NSFileHandle *fileHandleWithStandardInput;
@property (class, readonly, strong) NSFileHandle *fileHandleWithStandardOutput;
@property (class, readonly, strong) NSFileHandle *fileHandleWithStandardError;
@property (class, readonly, strong) NSFileHandle *fileHandleWithNullDevice;
+ (nullable instancetype)fileHandleForReadingAtPath:(NSString *)path;
+ (nullable instancetype)fileHandleForWritingAtPath:(NSString *)path;
+ (nullable instancetype)fileHandleForUpdatingAtPath:(NSString *)path;
+ (nullable instancetype)fileHandleForReadingFromURL:(NSURL *)url error:(NSError **)error API_AVAILABLE(macos(10.6), ios(4.0));
+ (nullable instancetype)fileHandleForWritingToURL:(NSURL *)url error:(NSError **)error API_AVAILABLE(macos(10.6), ios(4.0));

@end

FOUNDATION_EXPORT NSNotificationName const NSFileHandleReadCompletionNotification;
FOUNDATION_EXPORT NSNotificationName const NSFileHandleReadToEndOfFileCompletionNotification;
FOUNDATION_EXPORT NSNotificationName const NSFileHandleConnectionAcceptedNotification;
FOUNDATION_EXPORT NSNotificationName const NSFileHandleDataAvailableNotification;
FOUNDATION_EXPORT NSString *const NSFileHandleNotificationDataItem;
FOUNDATION_EXPORT NSString *const NSFileHandleNotificationFileHandleItem;

/* Reading in the background, with a notification when data arrives. */
@interface NSFileHandle (NSFileHandleAsynchronousAccess)
- (void)readInBackgroundAndNotifyForModes:(nullable NSArray<NSRunLoopMode> *)modes;
- (void)readInBackgroundAndNotify;
- (void)readToEndOfFileInBackgroundAndNotifyForModes:(nullable NSArray<NSRunLoopMode> *)modes;
- (void)readToEndOfFileInBackgroundAndNotify;
- (void)acceptConnectionInBackgroundAndNotify;
- (void)waitForDataInBackgroundAndNotify;
@property (nullable, copy) void (^readabilityHandler)(NSFileHandle *) API_AVAILABLE(macos(10.7), ios(5.0));
@property (nullable, copy) void (^writeabilityHandler)(NSFileHandle *) API_AVAILABLE(macos(10.7), ios(5.0));
@end

@interface NSPipe : NSObject
@property (readonly, retain) NSFileHandle *fileHandleForReading;
@property (readonly, retain) NSFileHandle *fileHandleForWriting;
+ (NSPipe *)pipe;
@end

NS_ASSUME_NONNULL_END
