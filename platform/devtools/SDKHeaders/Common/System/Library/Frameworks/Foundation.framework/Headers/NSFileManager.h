/* NSFileManager.h: the file system: folder contents, file existence and attributes, copying, moving, removing. */
#import <Foundation/NSObject.h>
#import <Foundation/NSEnumerator.h>
#import <Foundation/NSError.h>
#import <Foundation/NSPathUtilities.h>
#import <Foundation/NSURL.h>

@class NSArray<ObjectType>, NSData, NSDate, NSDictionary<KeyType, ObjectType>, NSNumber, NSString;
@class NSDirectoryEnumerator<ObjectType>;
@protocol NSFileManagerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSFileAttributeKey NS_TYPED_EXTENSIBLE_ENUM;
typedef NSString *NSFileAttributeType NS_TYPED_ENUM;
typedef NSString *NSFileProtectionType NS_TYPED_ENUM;

typedef NS_OPTIONS(NSUInteger, NSDirectoryEnumerationOptions) {
    NSDirectoryEnumerationSkipsSubdirectoryDescendants = 1UL << 0,
    NSDirectoryEnumerationSkipsPackageDescendants = 1UL << 1,
    NSDirectoryEnumerationSkipsHiddenFiles = 1UL << 2,
    NSDirectoryEnumerationIncludesDirectoriesPostOrder API_AVAILABLE(macos(10.15), ios(13.0)) = 1UL << 3,
    NSDirectoryEnumerationProducesRelativePathURLs API_AVAILABLE(macos(10.15), ios(13.0)) = 1UL << 4,
} API_AVAILABLE(macos(10.6), ios(4.0));

typedef NS_OPTIONS(NSUInteger, NSFileManagerItemReplacementOptions) {
    NSFileManagerItemReplacementUsingNewMetadataOnly = 1UL << 0,
    NSFileManagerItemReplacementWithoutDeletingBackupItem = 1UL << 1
} API_AVAILABLE(macos(10.6), ios(4.0));

@interface NSFileManager : NSObject

@property (class, readonly, strong) NSFileManager *defaultManager;
@property (nullable, unsafe_unretained) id<NSFileManagerDelegate> delegate;

- (nullable NSArray<NSURL *> *)contentsOfDirectoryAtURL:(NSURL *)url
                             includingPropertiesForKeys:(nullable NSArray<NSURLResourceKey> *)keys
                                                options:(NSDirectoryEnumerationOptions)mask
                                                  error:(NSError **)error API_AVAILABLE(macos(10.6), ios(4.0));
- (NSArray<NSURL *> *)URLsForDirectory:(NSSearchPathDirectory)directory
                             inDomains:(NSSearchPathDomainMask)domainMask API_AVAILABLE(macos(10.6), ios(4.0));
- (nullable NSURL *)URLForDirectory:(NSSearchPathDirectory)directory
                           inDomain:(NSSearchPathDomainMask)domain
                  appropriateForURL:(nullable NSURL *)url
                             create:(BOOL)shouldCreate
                              error:(NSError **)error API_AVAILABLE(macos(10.6), ios(4.0));
- (nullable NSURL *)containerURLForSecurityApplicationGroupIdentifier:(NSString *)groupIdentifier
    API_AVAILABLE(macos(10.8), ios(7.0));

- (BOOL)createDirectoryAtURL:(NSURL *)url
    withIntermediateDirectories:(BOOL)createIntermediates
                     attributes:(nullable NSDictionary<NSFileAttributeKey, id> *)attributes
                          error:(NSError **)error API_AVAILABLE(macos(10.7), ios(5.0));
- (BOOL)createDirectoryAtPath:(NSString *)path
    withIntermediateDirectories:(BOOL)createIntermediates
                     attributes:(nullable NSDictionary<NSFileAttributeKey, id> *)attributes
                          error:(NSError **)error API_AVAILABLE(macos(10.5), ios(2.0));
- (nullable NSArray<NSString *> *)contentsOfDirectoryAtPath:(NSString *)path error:(NSError **)error;
- (nullable NSArray<NSString *> *)subpathsOfDirectoryAtPath:(NSString *)path error:(NSError **)error;
- (nullable NSDictionary<NSFileAttributeKey, id> *)attributesOfItemAtPath:(NSString *)path error:(NSError **)error;
- (nullable NSDictionary<NSFileAttributeKey, id> *)attributesOfFileSystemForPath:(NSString *)path
                                                                           error:(NSError **)error;
- (BOOL)setAttributes:(NSDictionary<NSFileAttributeKey, id> *)attributes
         ofItemAtPath:(NSString *)path
                error:(NSError **)error;
- (BOOL)createSymbolicLinkAtPath:(NSString *)path withDestinationPath:(NSString *)destPath error:(NSError **)error;
- (nullable NSString *)destinationOfSymbolicLinkAtPath:(NSString *)path error:(NSError **)error;

- (BOOL)copyItemAtPath:(NSString *)srcPath toPath:(NSString *)dstPath error:(NSError **)error;
- (BOOL)moveItemAtPath:(NSString *)srcPath toPath:(NSString *)dstPath error:(NSError **)error;
- (BOOL)linkItemAtPath:(NSString *)srcPath toPath:(NSString *)dstPath error:(NSError **)error;
- (BOOL)removeItemAtPath:(NSString *)path error:(NSError **)error;
- (BOOL)copyItemAtURL:(NSURL *)srcURL toURL:(NSURL *)dstURL error:(NSError **)error;
- (BOOL)moveItemAtURL:(NSURL *)srcURL toURL:(NSURL *)dstURL error:(NSError **)error;
- (BOOL)removeItemAtURL:(NSURL *)URL error:(NSError **)error;
- (BOOL)trashItemAtURL:(NSURL *)url
      resultingItemURL:(NSURL *_Nullable *_Nullable)outResultingURL
                 error:(NSError **)error API_AVAILABLE(macos(10.8), ios(11.0));
- (BOOL)replaceItemAtURL:(NSURL *)originalItemURL
           withItemAtURL:(NSURL *)newItemURL
          backupItemName:(nullable NSString *)backupItemName
                 options:(NSFileManagerItemReplacementOptions)options
        resultingItemURL:(NSURL *_Nullable *_Nullable)resultingURL
                   error:(NSError **)error API_AVAILABLE(macos(10.6), ios(4.0));

@property (readonly, copy) NSString *currentDirectoryPath;
- (BOOL)changeCurrentDirectoryPath:(NSString *)path;

- (BOOL)fileExistsAtPath:(NSString *)path;
- (BOOL)fileExistsAtPath:(NSString *)path isDirectory:(nullable BOOL *)isDirectory;
- (BOOL)isReadableFileAtPath:(NSString *)path;
- (BOOL)isWritableFileAtPath:(NSString *)path;
- (BOOL)isExecutableFileAtPath:(NSString *)path;
- (BOOL)isDeletableFileAtPath:(NSString *)path;
- (BOOL)contentsEqualAtPath:(NSString *)path1 andPath:(NSString *)path2;
- (NSString *)displayNameAtPath:(NSString *)path;
- (nullable NSArray<NSString *> *)componentsToDisplayForPath:(NSString *)path;

- (nullable NSDirectoryEnumerator<NSString *> *)enumeratorAtPath:(NSString *)path;
#if defined(__BLOCKS__)
- (nullable NSDirectoryEnumerator<NSURL *> *)enumeratorAtURL:(NSURL *)url
                                  includingPropertiesForKeys:(nullable NSArray<NSURLResourceKey> *)keys
                                                     options:(NSDirectoryEnumerationOptions)mask
                                                errorHandler:(nullable BOOL (^)(NSURL *url, NSError *error))handler
    API_AVAILABLE(macos(10.6), ios(4.0));
#endif
- (nullable NSArray<NSString *> *)subpathsAtPath:(NSString *)path;

- (nullable NSData *)contentsAtPath:(NSString *)path;
- (BOOL)createFileAtPath:(NSString *)path
                contents:(nullable NSData *)data
              attributes:(nullable NSDictionary<NSFileAttributeKey, id> *)attr;
- (const char *)fileSystemRepresentationWithPath:(NSString *)path NS_RETURNS_INNER_POINTER;
- (NSString *)stringWithFileSystemRepresentation:(const char *)str length:(NSUInteger)len;

@property (readonly, copy) NSURL *temporaryDirectory API_AVAILABLE(macos(10.12), ios(10.0));
@property (readonly, copy) NSURL *homeDirectoryForCurrentUser API_AVAILABLE(macos(10.12)) API_UNAVAILABLE(ios);

@end

@protocol NSFileManagerDelegate <NSObject>
@optional
- (BOOL)fileManager:(NSFileManager *)fileManager shouldCopyItemAtPath:(NSString *)srcPath toPath:(NSString *)dstPath;
- (BOOL)fileManager:(NSFileManager *)fileManager shouldMoveItemAtPath:(NSString *)srcPath toPath:(NSString *)dstPath;
- (BOOL)fileManager:(NSFileManager *)fileManager shouldRemoveItemAtPath:(NSString *)path;
- (BOOL)fileManager:(NSFileManager *)fileManager
    shouldProceedAfterError:(NSError *)error
          removingItemAtPath:(NSString *)path;
@end

@interface NSDirectoryEnumerator<ObjectType> : NSEnumerator<ObjectType>
@property (nullable, readonly, copy) NSDictionary<NSFileAttributeKey, id> *fileAttributes;
@property (nullable, readonly, copy) NSDictionary<NSFileAttributeKey, id> *directoryAttributes;
@property (readonly) BOOL isEnumeratingDirectoryPostOrder API_AVAILABLE(macos(10.15), ios(13.0));
- (void)skipDescendents;
@property (readonly) NSUInteger level API_AVAILABLE(macos(10.6), ios(4.0));
- (void)skipDescendants API_AVAILABLE(macos(10.6), ios(4.0));
@end

@interface NSDictionary<KeyType, ObjectType> (NSFileAttributes)
- (unsigned long long)fileSize;
- (nullable NSDate *)fileModificationDate;
- (nullable NSString *)fileType;
- (NSUInteger)filePosixPermissions;
- (nullable NSString *)fileOwnerAccountName;
- (nullable NSDate *)fileCreationDate;
@end

FOUNDATION_EXPORT NSFileAttributeKey const NSFileType;
FOUNDATION_EXPORT NSFileAttributeType const NSFileTypeDirectory;
FOUNDATION_EXPORT NSFileAttributeType const NSFileTypeRegular;
FOUNDATION_EXPORT NSFileAttributeType const NSFileTypeSymbolicLink;
FOUNDATION_EXPORT NSFileAttributeKey const NSFileSize;
FOUNDATION_EXPORT NSFileAttributeKey const NSFileModificationDate;
FOUNDATION_EXPORT NSFileAttributeKey const NSFileCreationDate;
FOUNDATION_EXPORT NSFileAttributeKey const NSFilePosixPermissions;
FOUNDATION_EXPORT NSFileAttributeKey const NSFileOwnerAccountName;
FOUNDATION_EXPORT NSFileAttributeKey const NSFileProtectionKey API_AVAILABLE(macos(10.15), ios(4.0));
FOUNDATION_EXPORT NSFileAttributeKey const NSFileSystemSize;
FOUNDATION_EXPORT NSFileAttributeKey const NSFileSystemFreeSize;
FOUNDATION_EXPORT NSFileProtectionType const NSFileProtectionNone API_AVAILABLE(macos(10.15), ios(4.0));
FOUNDATION_EXPORT NSFileProtectionType const NSFileProtectionComplete API_AVAILABLE(macos(10.15), ios(4.0));

NS_ASSUME_NONNULL_END
