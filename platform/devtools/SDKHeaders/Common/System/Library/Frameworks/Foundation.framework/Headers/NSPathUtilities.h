/* NSPathUtilities.h: path strings (components, extensions, tildes) and the standard folders of the system. */
#import <Foundation/NSString.h>
#import <Foundation/NSArray.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSString (NSStringPathExtensions)

+ (NSString *)pathWithComponents:(NSArray<NSString *> *)components;
@property (readonly, copy) NSArray<NSString *> *pathComponents;
@property (readonly, getter=isAbsolutePath) BOOL absolutePath;
@property (readonly, copy) NSString *lastPathComponent;
@property (readonly, copy) NSString *stringByDeletingLastPathComponent;
- (NSString *)stringByAppendingPathComponent:(NSString *)str;
@property (readonly, copy) NSString *pathExtension;
@property (readonly, copy) NSString *stringByDeletingPathExtension;
- (nullable NSString *)stringByAppendingPathExtension:(NSString *)str;
@property (readonly, copy) NSString *stringByAbbreviatingWithTildeInPath;
@property (readonly, copy) NSString *stringByExpandingTildeInPath;
@property (readonly, copy) NSString *stringByStandardizingPath;
@property (readonly, copy) NSString *stringByResolvingSymlinksInPath;
- (NSArray<NSString *> *)stringsByAppendingPaths:(NSArray<NSString *> *)paths;
@property (readonly) const char *fileSystemRepresentation NS_RETURNS_INNER_POINTER;
- (BOOL)getFileSystemRepresentation:(char *)cname maxLength:(NSUInteger)max;

@end

@interface NSArray<ObjectType> (NSArrayPathExtensions)
- (NSArray<NSString *> *)pathsMatchingExtensions:(NSArray<NSString *> *)filterTypes;
@end

FOUNDATION_EXPORT NSString *NSUserName(void);
FOUNDATION_EXPORT NSString *NSFullUserName(void);
FOUNDATION_EXPORT NSString *NSHomeDirectory(void);
FOUNDATION_EXPORT NSString *_Nullable NSHomeDirectoryForUser(NSString *_Nullable userName);
FOUNDATION_EXPORT NSString *NSTemporaryDirectory(void);
FOUNDATION_EXPORT NSString *NSOpenStepRootDirectory(void);

typedef NS_ENUM(NSUInteger, NSSearchPathDirectory) {
    NSApplicationDirectory = 1,
    NSDemoApplicationDirectory,
    NSDeveloperApplicationDirectory,
    NSAdminApplicationDirectory,
    NSLibraryDirectory,
    NSDeveloperDirectory,
    NSUserDirectory,
    NSDocumentationDirectory,
    NSDocumentDirectory,
    NSCoreServiceDirectory,
    NSAutosavedInformationDirectory API_AVAILABLE(macos(10.6), ios(4.0)) = 11,
    NSDesktopDirectory = 12,
    NSCachesDirectory = 13,
    NSApplicationSupportDirectory = 14,
    NSDownloadsDirectory API_AVAILABLE(macos(10.5), ios(2.0)) = 15,
    NSInputMethodsDirectory API_AVAILABLE(macos(10.6), ios(4.0)) = 16,
    NSMoviesDirectory API_AVAILABLE(macos(10.6), ios(4.0)) = 17,
    NSMusicDirectory API_AVAILABLE(macos(10.6), ios(4.0)) = 18,
    NSPicturesDirectory API_AVAILABLE(macos(10.6), ios(4.0)) = 19,
    NSPrinterDescriptionDirectory API_AVAILABLE(macos(10.6), ios(4.0)) = 20,
    NSSharedPublicDirectory API_AVAILABLE(macos(10.6), ios(4.0)) = 21,
    NSPreferencePanesDirectory API_AVAILABLE(macos(10.6), ios(4.0)) = 22,
    NSApplicationScriptsDirectory API_AVAILABLE(macos(10.8)) API_UNAVAILABLE(ios) = 23,
    NSItemReplacementDirectory API_AVAILABLE(macos(10.6), ios(4.0)) = 99,
    NSAllApplicationsDirectory = 100,
    NSAllLibrariesDirectory = 101,
    NSTrashDirectory API_AVAILABLE(macos(10.8), ios(11.0)) = 102
};

typedef NS_OPTIONS(NSUInteger, NSSearchPathDomainMask) {
    NSUserDomainMask = 1,
    NSLocalDomainMask = 2,
    NSNetworkDomainMask = 4,
    NSSystemDomainMask = 8,
    NSAllDomainsMask = 0x0ffff
};

FOUNDATION_EXPORT NSArray<NSString *> *NSSearchPathForDirectoriesInDomains(NSSearchPathDirectory directory,
                                                                           NSSearchPathDomainMask domainMask,
                                                                           BOOL expandTilde);

NS_ASSUME_NONNULL_END
