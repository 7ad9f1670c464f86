/* NSData.h: immutable and mutable byte buffers: creation from bytes, files and URLs, Base64, access and editing. */
#import <Foundation/NSObject.h>
#import <Foundation/NSRange.h>

@class NSString, NSURL, NSError;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSDataReadingOptions) {
    NSDataReadingMappedIfSafe = 1UL << 0,
    NSDataReadingUncached = 1UL << 1,
    NSDataReadingMappedAlways API_AVAILABLE(macos(10.7), ios(5.0)) = 1UL << 3,
    NSDataReadingMapped = NSDataReadingMappedIfSafe,
    NSMappedRead = NSDataReadingMapped,
    NSUncachedRead = NSDataReadingUncached
};

typedef NS_OPTIONS(NSUInteger, NSDataWritingOptions) {
    NSDataWritingAtomic = 1UL << 0,
    NSDataWritingWithoutOverwriting API_AVAILABLE(macos(10.8), ios(6.0)) = 1UL << 1,
    NSDataWritingFileProtectionNone API_AVAILABLE(ios(4.0)) API_UNAVAILABLE(macos) = 0x10000000,
    NSDataWritingFileProtectionComplete API_AVAILABLE(ios(4.0)) API_UNAVAILABLE(macos) = 0x20000000,
    NSDataWritingFileProtectionMask API_AVAILABLE(ios(4.0)) API_UNAVAILABLE(macos) = 0xf0000000,
    NSAtomicWrite = NSDataWritingAtomic
};

typedef NS_OPTIONS(NSUInteger, NSDataSearchOptions) {
    NSDataSearchBackwards = 1UL << 0,
    NSDataSearchAnchored = 1UL << 1
} API_AVAILABLE(macos(10.6), ios(4.0));

typedef NS_OPTIONS(NSUInteger, NSDataBase64EncodingOptions) {
    NSDataBase64Encoding64CharacterLineLength = 1UL << 0,
    NSDataBase64Encoding76CharacterLineLength = 1UL << 1,
    NSDataBase64EncodingEndLineWithCarriageReturn = 1UL << 4,
    NSDataBase64EncodingEndLineWithLineFeed = 1UL << 5,
} API_AVAILABLE(macos(10.9), ios(7.0));

typedef NS_OPTIONS(NSUInteger, NSDataBase64DecodingOptions) {
    NSDataBase64DecodingIgnoreUnknownCharacters = 1UL << 0
} API_AVAILABLE(macos(10.9), ios(7.0));

@interface NSData : NSObject <NSCopying, NSMutableCopying, NSSecureCoding>
@property (readonly) NSUInteger length;
@property (readonly) const void *bytes NS_RETURNS_INNER_POINTER;
@end

@interface NSData (NSExtendedData)
@property (readonly, copy) NSString *description;
- (void)getBytes:(void *)buffer length:(NSUInteger)length;
- (void)getBytes:(void *)buffer range:(NSRange)range;
- (BOOL)isEqualToData:(NSData *)other;
- (NSData *)subdataWithRange:(NSRange)range;
- (BOOL)writeToFile:(NSString *)path atomically:(BOOL)useAuxiliaryFile;
- (BOOL)writeToURL:(NSURL *)url atomically:(BOOL)atomically;
- (BOOL)writeToFile:(NSString *)path options:(NSDataWritingOptions)writeOptionsMask error:(NSError **)errorPtr;
- (BOOL)writeToURL:(NSURL *)url options:(NSDataWritingOptions)writeOptionsMask error:(NSError **)errorPtr;
- (NSRange)rangeOfData:(NSData *)dataToFind
               options:(NSDataSearchOptions)mask
                 range:(NSRange)searchRange API_AVAILABLE(macos(10.6), ios(4.0));
#if defined(__BLOCKS__)
- (void)enumerateByteRangesUsingBlock:(void(NS_NOESCAPE ^)(const void *bytes, NSRange byteRange, BOOL *stop))block
    API_AVAILABLE(macos(10.9), ios(7.0));
#endif
@end

@interface NSData (NSDataCreation)
+ (instancetype)data;
+ (instancetype)dataWithBytes:(nullable const void *)bytes length:(NSUInteger)length;
+ (instancetype)dataWithBytesNoCopy:(void *)bytes length:(NSUInteger)length;
+ (instancetype)dataWithBytesNoCopy:(void *)bytes length:(NSUInteger)length freeWhenDone:(BOOL)b;
+ (nullable instancetype)dataWithContentsOfFile:(NSString *)path
                                        options:(NSDataReadingOptions)readOptionsMask
                                          error:(NSError **)errorPtr;
+ (nullable instancetype)dataWithContentsOfURL:(NSURL *)url
                                       options:(NSDataReadingOptions)readOptionsMask
                                         error:(NSError **)errorPtr;
+ (nullable instancetype)dataWithContentsOfFile:(NSString *)path;
+ (nullable instancetype)dataWithContentsOfURL:(NSURL *)url;
- (instancetype)initWithBytes:(nullable const void *)bytes length:(NSUInteger)length;
- (instancetype)initWithBytesNoCopy:(void *)bytes length:(NSUInteger)length;
- (instancetype)initWithBytesNoCopy:(void *)bytes length:(NSUInteger)length freeWhenDone:(BOOL)b;
#if defined(__BLOCKS__)
- (instancetype)initWithBytesNoCopy:(void *)bytes
                             length:(NSUInteger)length
                        deallocator:(nullable void (^)(void *bytes, NSUInteger length))deallocator
    API_AVAILABLE(macos(10.9), ios(7.0));
#endif
- (nullable instancetype)initWithContentsOfFile:(NSString *)path
                                        options:(NSDataReadingOptions)readOptionsMask
                                          error:(NSError **)errorPtr;
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url
                                       options:(NSDataReadingOptions)readOptionsMask
                                         error:(NSError **)errorPtr;
- (nullable instancetype)initWithContentsOfFile:(NSString *)path;
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url;
- (instancetype)initWithData:(NSData *)data;
+ (instancetype)dataWithData:(NSData *)data;
@end

@interface NSData (NSDataBase64Encoding)
- (nullable instancetype)initWithBase64EncodedString:(NSString *)base64String
                                             options:(NSDataBase64DecodingOptions)options
    API_AVAILABLE(macos(10.9), ios(7.0));
- (NSString *)base64EncodedStringWithOptions:(NSDataBase64EncodingOptions)options API_AVAILABLE(macos(10.9), ios(7.0));
- (nullable instancetype)initWithBase64EncodedData:(NSData *)base64Data
                                           options:(NSDataBase64DecodingOptions)options
    API_AVAILABLE(macos(10.9), ios(7.0));
- (NSData *)base64EncodedDataWithOptions:(NSDataBase64EncodingOptions)options API_AVAILABLE(macos(10.9), ios(7.0));
@end

typedef NS_ENUM(NSInteger, NSDataCompressionAlgorithm) {
    NSDataCompressionAlgorithmLZFSE = 0,
    NSDataCompressionAlgorithmLZ4,
    NSDataCompressionAlgorithmLZMA,
    NSDataCompressionAlgorithmZlib,
} API_AVAILABLE(macos(10.15), ios(13.0));

@interface NSData (NSDataCompression)
- (nullable instancetype)decompressedDataUsingAlgorithm:(NSDataCompressionAlgorithm)algorithm
                                                  error:(NSError **)error API_AVAILABLE(macos(10.15), ios(13.0));
- (nullable instancetype)compressedDataUsingAlgorithm:(NSDataCompressionAlgorithm)algorithm
                                                error:(NSError **)error API_AVAILABLE(macos(10.15), ios(13.0));
@end

@interface NSMutableData : NSData
@property (readonly) void *mutableBytes NS_RETURNS_INNER_POINTER;
@property NSUInteger length;
@end

@interface NSMutableData (NSExtendedMutableData)
- (void)appendBytes:(const void *)bytes length:(NSUInteger)length;
- (void)appendData:(NSData *)other;
- (void)increaseLengthBy:(NSUInteger)extraLength;
- (void)replaceBytesInRange:(NSRange)range withBytes:(const void *)bytes;
- (void)resetBytesInRange:(NSRange)range;
- (void)setData:(NSData *)data;
- (void)replaceBytesInRange:(NSRange)range
                  withBytes:(nullable const void *)replacementBytes
                     length:(NSUInteger)replacementLength;
@end

@interface NSMutableData (NSMutableDataCompression)
- (BOOL)decompressUsingAlgorithm:(NSDataCompressionAlgorithm)algorithm
                           error:(NSError **)error API_AVAILABLE(macos(10.15), ios(13.0));
- (BOOL)compressUsingAlgorithm:(NSDataCompressionAlgorithm)algorithm
                         error:(NSError **)error API_AVAILABLE(macos(10.15), ios(13.0));
@end

@interface NSMutableData (NSMutableDataCreation)
+ (nullable instancetype)dataWithCapacity:(NSUInteger)aNumItems;
+ (nullable instancetype)dataWithLength:(NSUInteger)length;
- (nullable instancetype)initWithCapacity:(NSUInteger)capacity;
- (nullable instancetype)initWithLength:(NSUInteger)length;
@end

NS_ASSUME_NONNULL_END
