/*
 * NSBundle.h: bundles (the application and its frameworks): their resources, Info.plist values and localised
 * strings, with the NSLocalizedString macros that look strings up in the bundle's .strings tables.
 */
#import <Foundation/NSObject.h>
#import <Foundation/NSString.h>
#import <Foundation/NSNotification.h>

@class NSString, NSURL, NSError, NSDictionary<KeyType, ObjectType>, NSArray<ObjectType>, NSNumber;

NS_ASSUME_NONNULL_BEGIN

@interface NSBundle : NSObject

@property (class, readonly, strong) NSBundle *mainBundle;

+ (nullable instancetype)bundleWithPath:(NSString *)path;
- (nullable instancetype)initWithPath:(NSString *)path NS_DESIGNATED_INITIALIZER;
+ (nullable instancetype)bundleWithURL:(NSURL *)url API_AVAILABLE(macos(10.6), ios(4.0));
- (nullable instancetype)initWithURL:(NSURL *)url API_AVAILABLE(macos(10.6), ios(4.0));
+ (NSBundle *)bundleForClass:(Class)aClass;
+ (nullable NSBundle *)bundleWithIdentifier:(NSString *)identifier;
@property (class, readonly, copy) NSArray<NSBundle *> *allBundles;
@property (class, readonly, copy) NSArray<NSBundle *> *allFrameworks;

- (BOOL)load;
@property (readonly, getter=isLoaded) BOOL loaded;
- (BOOL)unload;
- (BOOL)preflightAndReturnError:(NSError **)error API_AVAILABLE(macos(10.5), ios(2.0));
- (BOOL)loadAndReturnError:(NSError **)error API_AVAILABLE(macos(10.5), ios(2.0));

@property (readonly, copy) NSURL *bundleURL API_AVAILABLE(macos(10.6), ios(4.0));
@property (nullable, readonly, copy) NSURL *resourceURL API_AVAILABLE(macos(10.6), ios(4.0));
@property (nullable, readonly, copy) NSURL *executableURL API_AVAILABLE(macos(10.6), ios(4.0));
@property (nullable, readonly, copy) NSURL *privateFrameworksURL API_AVAILABLE(macos(10.6), ios(4.0));
@property (nullable, readonly, copy) NSURL *builtInPlugInsURL API_AVAILABLE(macos(10.6), ios(4.0));
@property (nullable, readonly, copy) NSURL *appStoreReceiptURL API_AVAILABLE(macos(10.7), ios(7.0));
@property (readonly, copy) NSString *bundlePath;
@property (nullable, readonly, copy) NSString *resourcePath;
@property (nullable, readonly, copy) NSString *executablePath;
@property (nullable, readonly, copy) NSString *privateFrameworksPath;
@property (nullable, readonly, copy) NSString *builtInPlugInsPath;

- (nullable NSURL *)URLForAuxiliaryExecutable:(NSString *)executableName API_AVAILABLE(macos(10.6), ios(4.0));
- (nullable NSString *)pathForAuxiliaryExecutable:(NSString *)executableName;

- (nullable NSURL *)URLForResource:(nullable NSString *)name
                     withExtension:(nullable NSString *)ext API_AVAILABLE(macos(10.6), ios(4.0));
- (nullable NSURL *)URLForResource:(nullable NSString *)name
                     withExtension:(nullable NSString *)ext
                      subdirectory:(nullable NSString *)subpath API_AVAILABLE(macos(10.6), ios(4.0));
- (nullable NSURL *)URLForResource:(nullable NSString *)name
                     withExtension:(nullable NSString *)ext
                      subdirectory:(nullable NSString *)subpath
                      localization:(nullable NSString *)localizationName API_AVAILABLE(macos(10.6), ios(4.0));
- (nullable NSArray<NSURL *> *)URLsForResourcesWithExtension:(nullable NSString *)ext
                                                subdirectory:(nullable NSString *)subpath
    API_AVAILABLE(macos(10.6), ios(4.0));
- (nullable NSString *)pathForResource:(nullable NSString *)name ofType:(nullable NSString *)ext;
- (nullable NSString *)pathForResource:(nullable NSString *)name
                                ofType:(nullable NSString *)ext
                           inDirectory:(nullable NSString *)subpath;
- (nullable NSString *)pathForResource:(nullable NSString *)name
                                ofType:(nullable NSString *)ext
                           inDirectory:(nullable NSString *)subpath
                       forLocalization:(nullable NSString *)localizationName;
- (NSArray<NSString *> *)pathsForResourcesOfType:(nullable NSString *)ext inDirectory:(nullable NSString *)subpath;
+ (nullable NSString *)pathForResource:(nullable NSString *)name
                                ofType:(nullable NSString *)ext
                           inDirectory:(NSString *)bundlePath;

/* The localised string for a key in a strings table (Localizable when tableName is nil), or value, or key. */
- (NSString *)localizedStringForKey:(NSString *)key
                              value:(nullable NSString *)value
                              table:(nullable NSString *)tableName NS_FORMAT_ARGUMENT(1);

@property (nullable, readonly, copy) NSString *bundleIdentifier;
@property (nullable, readonly, copy) NSDictionary<NSString *, id> *infoDictionary;
@property (nullable, readonly, copy) NSDictionary<NSString *, id> *localizedInfoDictionary;
- (nullable id)objectForInfoDictionaryKey:(NSString *)key;
- (nullable Class)classNamed:(NSString *)className;
@property (nullable, readonly) Class principalClass;

@property (readonly, copy) NSArray<NSString *> *preferredLocalizations;
@property (readonly, copy) NSArray<NSString *> *localizations;
@property (nullable, readonly, copy) NSString *developmentLocalization;
+ (NSArray<NSString *> *)preferredLocalizationsFromArray:(NSArray<NSString *> *)localizationsArray;
+ (NSArray<NSString *> *)preferredLocalizationsFromArray:(NSArray<NSString *> *)localizationsArray
                                          forPreferences:(nullable NSArray<NSString *> *)preferencesArray;

@property (nullable, readonly, copy) NSArray<NSNumber *> *executableArchitectures API_AVAILABLE(macos(10.5), ios(2.0));

@end

FOUNDATION_EXPORT NSNotificationName const NSBundleDidLoadNotification;
FOUNDATION_EXPORT NSString *const NSLoadedClasses;

/*
 * The localised-string macros. The comment is for the translators: tools that extract the keys into .strings
 * files read it; the code ignores it.
 */
#define NSLocalizedString(key, comment) [NSBundle.mainBundle localizedStringForKey:(key) value:@"" table:nil]
#define NSLocalizedStringFromTable(key, tbl, comment)                                                                \
    [NSBundle.mainBundle localizedStringForKey:(key) value:@"" table:(tbl)]
#define NSLocalizedStringFromTableInBundle(key, tbl, bundle, comment)                                                \
    [bundle localizedStringForKey:(key) value:@"" table:(tbl)]
#define NSLocalizedStringWithDefaultValue(key, tbl, bundle, val, comment)                                            \
    [bundle localizedStringForKey:(key) value:(val) table:(tbl)]

NS_ASSUME_NONNULL_END
