/* NSURL.h: URLs (file and network), their parts, resource values, and URL components and query items. */
#import <Foundation/NSObject.h>
#import <Foundation/NSString.h>
#import <Foundation/NSCharacterSet.h>

@class NSArray<ObjectType>, NSData, NSDictionary<KeyType, ObjectType>, NSError, NSNumber;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSURLResourceKey NS_TYPED_EXTENSIBLE_ENUM;

FOUNDATION_EXPORT NSString *const NSURLFileScheme;
FOUNDATION_EXPORT NSURLResourceKey const NSURLNameKey;
FOUNDATION_EXPORT NSURLResourceKey const NSURLIsRegularFileKey;
FOUNDATION_EXPORT NSURLResourceKey const NSURLIsDirectoryKey;
FOUNDATION_EXPORT NSURLResourceKey const NSURLIsSymbolicLinkKey;
FOUNDATION_EXPORT NSURLResourceKey const NSURLIsHiddenKey;
FOUNDATION_EXPORT NSURLResourceKey const NSURLFileSizeKey;
FOUNDATION_EXPORT NSURLResourceKey const NSURLCreationDateKey;
FOUNDATION_EXPORT NSURLResourceKey const NSURLContentModificationDateKey;
FOUNDATION_EXPORT NSURLResourceKey const NSURLIsExcludedFromBackupKey API_AVAILABLE(macos(10.8), ios(5.1));
FOUNDATION_EXPORT NSURLResourceKey const NSURLContentAccessDateKey API_AVAILABLE(macos(10.6), ios(4.0));
FOUNDATION_EXPORT NSURLResourceKey const NSURLAttributeModificationDateKey API_AVAILABLE(macos(10.10), ios(8.0));
FOUNDATION_EXPORT NSURLResourceKey const NSURLFileAllocatedSizeKey API_AVAILABLE(macos(10.6), ios(4.0));
FOUNDATION_EXPORT NSURLResourceKey const NSURLTotalFileSizeKey API_AVAILABLE(macos(10.7), ios(5.0));
FOUNDATION_EXPORT NSURLResourceKey const NSURLTotalFileAllocatedSizeKey API_AVAILABLE(macos(10.7), ios(5.0));
FOUNDATION_EXPORT NSURLResourceKey const NSURLLocalizedNameKey API_AVAILABLE(macos(10.6), ios(4.0));
FOUNDATION_EXPORT NSURLResourceKey const NSURLParentDirectoryURLKey API_AVAILABLE(macos(10.6), ios(4.0));
FOUNDATION_EXPORT NSURLResourceKey const NSURLTypeIdentifierKey
    API_DEPRECATED("Use NSURLContentTypeKey instead", macos(10.6, 100000), ios(4.0, 100000));
FOUNDATION_EXPORT NSURLResourceKey const NSURLContentTypeKey API_AVAILABLE(macos(11.0), ios(14.0));

typedef NS_OPTIONS(NSUInteger, NSURLBookmarkCreationOptions) {
    NSURLBookmarkCreationMinimalBookmark = (1UL << 9),
    NSURLBookmarkCreationSuitableForBookmarkFile = (1UL << 10),
};

@interface NSURL : NSObject <NSSecureCoding, NSCopying>

- (nullable instancetype)initWithScheme:(NSString *)scheme
                                   host:(nullable NSString *)host
                                   path:(NSString *)path
    API_DEPRECATED("Use NSURLComponents instead", macos(10.0, 10.11), ios(2.0, 9.0));
- (instancetype)initFileURLWithPath:(NSString *)path
                        isDirectory:(BOOL)isDir
                      relativeToURL:(nullable NSURL *)baseURL API_AVAILABLE(macos(10.11), ios(9.0))
    NS_DESIGNATED_INITIALIZER;
- (instancetype)initFileURLWithPath:(NSString *)path
                      relativeToURL:(nullable NSURL *)baseURL API_AVAILABLE(macos(10.11), ios(9.0))
    NS_DESIGNATED_INITIALIZER;
- (instancetype)initFileURLWithPath:(NSString *)path isDirectory:(BOOL)isDir NS_DESIGNATED_INITIALIZER;
- (instancetype)initFileURLWithPath:(NSString *)path NS_DESIGNATED_INITIALIZER;
+ (NSURL *)fileURLWithPath:(NSString *)path isDirectory:(BOOL)isDir relativeToURL:(nullable NSURL *)baseURL
    API_AVAILABLE(macos(10.11), ios(9.0));
+ (NSURL *)fileURLWithPath:(NSString *)path relativeToURL:(nullable NSURL *)baseURL API_AVAILABLE(macos(10.11), ios(9.0));
+ (NSURL *)fileURLWithPath:(NSString *)path isDirectory:(BOOL)isDir;
+ (NSURL *)fileURLWithPath:(NSString *)path;
+ (NSURL *)fileURLWithPathComponents:(NSArray<NSString *> *)components;
+ (NSURL *)fileURLWithFileSystemRepresentation:(const char *)path
                                   isDirectory:(BOOL)isDir
                                 relativeToURL:(nullable NSURL *)baseURL API_AVAILABLE(macos(10.11), ios(9.0));

- (nullable instancetype)initWithString:(NSString *)URLString;
- (nullable instancetype)initWithString:(NSString *)URLString
                          relativeToURL:(nullable NSURL *)baseURL NS_DESIGNATED_INITIALIZER;
+ (nullable instancetype)URLWithString:(NSString *)URLString;
+ (nullable instancetype)URLWithString:(NSString *)URLString relativeToURL:(nullable NSURL *)baseURL;
+ (nullable instancetype)URLWithString:(NSString *)URLString
                encodingInvalidCharacters:(BOOL)encodingInvalidCharacters API_AVAILABLE(macos(14.0), ios(17.0));
+ (NSURL *)URLWithDataRepresentation:(NSData *)data relativeToURL:(nullable NSURL *)baseURL
    API_AVAILABLE(macos(10.11), ios(9.0));

@property (readonly, copy) NSData *dataRepresentation API_AVAILABLE(macos(10.11), ios(9.0));
@property (nullable, readonly, copy) NSString *absoluteString;
@property (readonly, copy) NSString *relativeString;
@property (nullable, readonly, copy) NSURL *baseURL;
@property (nullable, readonly, copy) NSURL *absoluteURL;
@property (nullable, readonly, copy) NSString *scheme;
@property (nullable, readonly, copy) NSString *resourceSpecifier;
@property (nullable, readonly, copy) NSString *host;
@property (nullable, readonly, copy) NSNumber *port;
@property (nullable, readonly, copy) NSString *user;
@property (nullable, readonly, copy) NSString *password;
@property (nullable, readonly, copy) NSString *path;
@property (nullable, readonly, copy) NSString *fragment;
@property (nullable, readonly, copy) NSString *query;
@property (nullable, readonly, copy) NSString *relativePath;
@property (readonly) BOOL hasDirectoryPath API_AVAILABLE(macos(10.11), ios(9.0));
@property (readonly) const char *fileSystemRepresentation NS_RETURNS_INNER_POINTER API_AVAILABLE(macos(10.9), ios(7.0));
@property (readonly, getter=isFileURL) BOOL fileURL;
@property (nullable, readonly, copy) NSURL *standardizedURL;
@property (nullable, readonly, copy) NSURL *fileReferenceURL;
@property (nullable, readonly, copy) NSURL *filePathURL;

- (BOOL)checkResourceIsReachableAndReturnError:(NSError **)error;
- (BOOL)isFileReferenceURL;
- (BOOL)getResourceValue:(out id _Nullable *_Nonnull)value forKey:(NSURLResourceKey)key error:(NSError **)error;
- (nullable NSDictionary<NSURLResourceKey, id> *)resourceValuesForKeys:(NSArray<NSURLResourceKey> *)keys
                                                                 error:(NSError **)error;
- (BOOL)setResourceValue:(nullable id)value forKey:(NSURLResourceKey)key error:(NSError **)error;
- (BOOL)startAccessingSecurityScopedResource API_AVAILABLE(macos(10.7), ios(8.0));
- (void)stopAccessingSecurityScopedResource API_AVAILABLE(macos(10.7), ios(8.0));

@end

@interface NSURL (NSURLPathUtilities)
+ (nullable NSURL *)fileURLWithPathComponents:(NSArray<NSString *> *)components;
@property (nullable, readonly, copy) NSArray<NSString *> *pathComponents;
@property (nullable, readonly, copy) NSString *lastPathComponent;
@property (nullable, readonly, copy) NSString *pathExtension;
- (nullable NSURL *)URLByAppendingPathComponent:(NSString *)pathComponent;
- (nullable NSURL *)URLByAppendingPathComponent:(NSString *)pathComponent isDirectory:(BOOL)isDirectory;
@property (nullable, readonly, copy) NSURL *URLByDeletingLastPathComponent;
- (nullable NSURL *)URLByAppendingPathExtension:(NSString *)pathExtension;
@property (nullable, readonly, copy) NSURL *URLByDeletingPathExtension;
@property (nullable, readonly, copy) NSURL *URLByStandardizingPath;
@property (nullable, readonly, copy) NSURL *URLByResolvingSymlinksInPath;
@end

@interface NSString (NSURLUtilities)
- (nullable NSString *)stringByAddingPercentEncodingWithAllowedCharacters:(NSCharacterSet *)allowedCharacters
    API_AVAILABLE(macos(10.9), ios(7.0));
@property (nullable, readonly, copy) NSString *stringByRemovingPercentEncoding API_AVAILABLE(macos(10.9), ios(7.0));
- (nullable NSString *)stringByAddingPercentEscapesUsingEncoding:(NSStringEncoding)enc
    API_DEPRECATED("Use -stringByAddingPercentEncodingWithAllowedCharacters: instead", macos(10.0, 10.11),
                   ios(2.0, 9.0));
- (nullable NSString *)stringByReplacingPercentEscapesUsingEncoding:(NSStringEncoding)enc
    API_DEPRECATED("Use -stringByRemovingPercentEncoding instead", macos(10.0, 10.11), ios(2.0, 9.0));
@end

@interface NSCharacterSet (NSURLUtilities)
@property (class, readonly, copy) NSCharacterSet *URLUserAllowedCharacterSet API_AVAILABLE(macos(10.9), ios(7.0));
@property (class, readonly, copy) NSCharacterSet *URLPasswordAllowedCharacterSet API_AVAILABLE(macos(10.9), ios(7.0));
@property (class, readonly, copy) NSCharacterSet *URLHostAllowedCharacterSet API_AVAILABLE(macos(10.9), ios(7.0));
@property (class, readonly, copy) NSCharacterSet *URLPathAllowedCharacterSet API_AVAILABLE(macos(10.9), ios(7.0));
@property (class, readonly, copy) NSCharacterSet *URLQueryAllowedCharacterSet API_AVAILABLE(macos(10.9), ios(7.0));
@property (class, readonly, copy) NSCharacterSet *URLFragmentAllowedCharacterSet API_AVAILABLE(macos(10.9), ios(7.0));
@end

/* One name-value pair of a URL's query. */
API_AVAILABLE(macos(10.10), ios(8.0))
@interface NSURLQueryItem : NSObject <NSSecureCoding, NSCopying>
- (instancetype)initWithName:(NSString *)name value:(nullable NSString *)value NS_DESIGNATED_INITIALIZER;
+ (instancetype)queryItemWithName:(NSString *)name value:(nullable NSString *)value;
@property (readonly) NSString *name;
@property (nullable, readonly) NSString *value;
@end

/* A URL taken apart, to be read or changed part by part. */
API_AVAILABLE(macos(10.9), ios(7.0))
@interface NSURLComponents : NSObject <NSCopying>
- (instancetype)init;
- (nullable instancetype)initWithURL:(NSURL *)url resolvingAgainstBaseURL:(BOOL)resolve;
+ (nullable instancetype)componentsWithURL:(NSURL *)url resolvingAgainstBaseURL:(BOOL)resolve;
- (nullable instancetype)initWithString:(NSString *)URLString;
+ (nullable instancetype)componentsWithString:(NSString *)URLString;
@property (nullable, readonly, copy) NSURL *URL;
- (nullable NSURL *)URLRelativeToURL:(nullable NSURL *)baseURL;
@property (nullable, readonly, copy) NSString *string API_AVAILABLE(macos(10.10), ios(8.0));
@property (nullable, copy) NSString *scheme;
@property (nullable, copy) NSString *user;
@property (nullable, copy) NSString *password;
@property (nullable, copy) NSString *host;
@property (nullable, copy) NSNumber *port;
@property (nullable, copy) NSString *path;
@property (nullable, copy) NSString *query;
@property (nullable, copy) NSString *fragment;
@property (nullable, copy) NSString *percentEncodedPath;
@property (nullable, copy) NSString *percentEncodedQuery;
@property (nullable, copy) NSArray<NSURLQueryItem *> *queryItems API_AVAILABLE(macos(10.10), ios(8.0));
@end

NS_ASSUME_NONNULL_END
