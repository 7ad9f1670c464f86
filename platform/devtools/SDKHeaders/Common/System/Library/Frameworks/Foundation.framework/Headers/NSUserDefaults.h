/* NSUserDefaults.h: the user's defaults database: values by key in the application's and shared domains. */
#import <Foundation/NSObject.h>
#import <Foundation/NSNotification.h>

@class NSArray<ObjectType>, NSData, NSDictionary<KeyType, ObjectType>, NSMutableDictionary, NSString, NSURL;

NS_ASSUME_NONNULL_BEGIN

FOUNDATION_EXPORT NSString *const NSGlobalDomain;
FOUNDATION_EXPORT NSString *const NSArgumentDomain;
FOUNDATION_EXPORT NSString *const NSRegistrationDomain;

@interface NSUserDefaults : NSObject

@property (class, readonly, strong) NSUserDefaults *standardUserDefaults;
+ (void)resetStandardUserDefaults;

- (instancetype)init;
- (nullable instancetype)initWithSuiteName:(nullable NSString *)suitename API_AVAILABLE(macos(10.9), ios(7.0))
    NS_DESIGNATED_INITIALIZER;

- (nullable id)objectForKey:(NSString *)defaultName;
- (void)setObject:(nullable id)value forKey:(NSString *)defaultName;
- (void)removeObjectForKey:(NSString *)defaultName;

- (nullable NSString *)stringForKey:(NSString *)defaultName;
- (nullable NSArray *)arrayForKey:(NSString *)defaultName;
- (nullable NSDictionary<NSString *, id> *)dictionaryForKey:(NSString *)defaultName;
- (nullable NSData *)dataForKey:(NSString *)defaultName;
- (nullable NSArray<NSString *> *)stringArrayForKey:(NSString *)defaultName;
- (NSInteger)integerForKey:(NSString *)defaultName;
- (float)floatForKey:(NSString *)defaultName;
- (double)doubleForKey:(NSString *)defaultName;
- (BOOL)boolForKey:(NSString *)defaultName;
- (nullable NSURL *)URLForKey:(NSString *)defaultName API_AVAILABLE(macos(10.6), ios(4.0));

- (void)setInteger:(NSInteger)value forKey:(NSString *)defaultName;
- (void)setFloat:(float)value forKey:(NSString *)defaultName;
- (void)setDouble:(double)value forKey:(NSString *)defaultName;
- (void)setBool:(BOOL)value forKey:(NSString *)defaultName;
- (void)setURL:(nullable NSURL *)url forKey:(NSString *)defaultName API_AVAILABLE(macos(10.6), ios(4.0));

- (void)registerDefaults:(NSDictionary<NSString *, id> *)registrationDictionary;
- (void)addSuiteNamed:(NSString *)suiteName;
- (void)removeSuiteNamed:(NSString *)suiteName;
- (NSDictionary<NSString *, id> *)dictionaryRepresentation;
@property (readonly, copy) NSArray<NSString *> *volatileDomainNames;
- (nullable NSDictionary<NSString *, id> *)persistentDomainForName:(NSString *)domainName;
- (void)setPersistentDomain:(NSDictionary<NSString *, id> *)domain forName:(NSString *)domainName;
- (void)removePersistentDomainForName:(NSString *)domainName;

/* Writes pending changes; no longer needed, as the system writes them itself. */
- (BOOL)synchronize;

- (BOOL)objectIsForcedForKey:(NSString *)key;

@end

FOUNDATION_EXPORT NSNotificationName const NSUserDefaultsDidChangeNotification;

NS_ASSUME_NONNULL_END
