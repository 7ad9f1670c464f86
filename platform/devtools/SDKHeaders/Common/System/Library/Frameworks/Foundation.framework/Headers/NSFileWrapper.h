/* NSFileWrapper.h: files, folders and symbolic links held in memory as a tree, read from and written to disk. */
#import <Foundation/NSObject.h>

@class NSData, NSDictionary<KeyType, ObjectType>, NSError, NSString, NSURL;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSFileWrapperReadingOptions) {
    NSFileWrapperReadingImmediate = 1 << 0,
    NSFileWrapperReadingWithoutMapping = 1 << 1
} API_AVAILABLE(macos(10.6), ios(4.0));

typedef NS_OPTIONS(NSUInteger, NSFileWrapperWritingOptions) {
    NSFileWrapperWritingAtomic = 1 << 0,
    NSFileWrapperWritingWithNameUpdating = 1 << 1
} API_AVAILABLE(macos(10.6), ios(4.0));

API_AVAILABLE(macos(10.0), ios(4.0))
@interface NSFileWrapper : NSObject <NSSecureCoding>
- (nullable instancetype)initWithURL:(NSURL *)url
                             options:(NSFileWrapperReadingOptions)options
                               error:(NSError **)outError NS_DESIGNATED_INITIALIZER;
- (instancetype)initDirectoryWithFileWrappers:(NSDictionary<NSString *, NSFileWrapper *> *)childrenByPreferredName
    NS_DESIGNATED_INITIALIZER;
- (instancetype)initRegularFileWithContents:(NSData *)contents NS_DESIGNATED_INITIALIZER;
- (instancetype)initSymbolicLinkWithDestinationURL:(NSURL *)url NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithSerializedRepresentation:(NSData *)serializeRepresentation
    NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)inCoder NS_DESIGNATED_INITIALIZER;
@property (readonly, getter=isDirectory) BOOL directory;
@property (readonly, getter=isRegularFile) BOOL regularFile;
@property (readonly, getter=isSymbolicLink) BOOL symbolicLink;
@property (nullable, copy) NSString *preferredFilename;
@property (nullable, copy) NSString *filename;
@property (copy) NSDictionary<NSString *, id> *fileAttributes;
- (BOOL)matchesContentsOfURL:(NSURL *)url;
- (BOOL)readFromURL:(NSURL *)url options:(NSFileWrapperReadingOptions)options error:(NSError **)outError;
- (BOOL)writeToURL:(NSURL *)url
                options:(NSFileWrapperWritingOptions)options
    originalContentsURL:(nullable NSURL *)originalContentsURL
                  error:(NSError **)outError;
@property (nullable, readonly, copy) NSData *serializedRepresentation;
- (NSString *)addFileWrapper:(NSFileWrapper *)child;
- (NSString *)addRegularFileWithContents:(NSData *)data preferredFilename:(NSString *)fileName;
- (void)removeFileWrapper:(NSFileWrapper *)child;
@property (nullable, readonly, copy) NSDictionary<NSString *, NSFileWrapper *> *fileWrappers;
- (nullable NSString *)keyForFileWrapper:(NSFileWrapper *)child;
@property (nullable, readonly, copy) NSData *regularFileContents;
@property (nullable, readonly, copy) NSURL *symbolicLinkDestinationURL API_AVAILABLE(macos(10.6), ios(4.0));
@end

NS_ASSUME_NONNULL_END
