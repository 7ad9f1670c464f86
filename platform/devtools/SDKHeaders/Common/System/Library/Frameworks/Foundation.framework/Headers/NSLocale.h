/* NSLocale.h: locales: the current and system locales, identifiers and their components. */
#import <Foundation/NSObject.h>
#import <Foundation/NSNotification.h>

@class NSArray<ObjectType>, NSDictionary<KeyType, ObjectType>, NSString, NSCharacterSet, NSCalendar;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSLocaleKey NS_TYPED_ENUM;

@interface NSLocale : NSObject <NSCopying, NSSecureCoding>

- (nullable id)objectForKey:(NSLocaleKey)key;
- (nullable NSString *)displayNameForKey:(NSLocaleKey)key value:(id)value;
- (instancetype)initWithLocaleIdentifier:(NSString *)string NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;

@property (class, readonly, strong) NSLocale *autoupdatingCurrentLocale API_AVAILABLE(macos(10.5), ios(2.0));
@property (class, readonly, copy) NSLocale *currentLocale;
@property (class, readonly, copy) NSLocale *systemLocale;
+ (instancetype)localeWithLocaleIdentifier:(NSString *)ident API_AVAILABLE(macos(10.6), ios(4.0));

@property (readonly, copy) NSString *localeIdentifier;
@property (nullable, readonly, copy) NSString *languageCode API_AVAILABLE(macos(10.12), ios(10.0));
@property (nullable, readonly, copy) NSString *countryCode API_AVAILABLE(macos(10.12), ios(10.0));
@property (nullable, readonly, copy) NSString *regionCode API_AVAILABLE(macos(13), ios(16));
@property (nullable, readonly, copy) NSString *scriptCode API_AVAILABLE(macos(10.12), ios(10.0));
@property (readonly, copy) NSString *decimalSeparator API_AVAILABLE(macos(10.12), ios(10.0));
@property (readonly, copy) NSString *groupingSeparator API_AVAILABLE(macos(10.12), ios(10.0));
@property (nullable, readonly, copy) NSString *currencyCode API_AVAILABLE(macos(10.12), ios(10.0));
@property (readonly) BOOL usesMetricSystem API_AVAILABLE(macos(10.12), ios(10.0));
- (nullable NSString *)localizedStringForLocaleIdentifier:(NSString *)localeIdentifier
    API_AVAILABLE(macos(10.12), ios(10.0));
- (nullable NSString *)localizedStringForLanguageCode:(NSString *)languageCode API_AVAILABLE(macos(10.12), ios(10.0));
- (nullable NSString *)localizedStringForCountryCode:(NSString *)countryCode API_AVAILABLE(macos(10.12), ios(10.0));

@property (class, readonly, copy) NSArray<NSString *> *availableLocaleIdentifiers;
@property (class, readonly, copy) NSArray<NSString *> *ISOLanguageCodes;
@property (class, readonly, copy) NSArray<NSString *> *ISOCountryCodes;
@property (class, readonly, copy) NSArray<NSString *> *preferredLanguages API_AVAILABLE(macos(10.5), ios(2.0));
+ (NSDictionary<NSString *, NSString *> *)componentsFromLocaleIdentifier:(NSString *)string;
+ (NSString *)localeIdentifierFromComponents:(NSDictionary<NSString *, NSString *> *)dict;
+ (NSString *)canonicalLocaleIdentifierFromString:(NSString *)string;
+ (NSString *)canonicalLanguageIdentifierFromString:(NSString *)string;

@end

FOUNDATION_EXPORT NSNotificationName const NSCurrentLocaleDidChangeNotification API_AVAILABLE(macos(10.5), ios(2.0));
FOUNDATION_EXPORT NSLocaleKey const NSLocaleIdentifier;
FOUNDATION_EXPORT NSLocaleKey const NSLocaleLanguageCode;
FOUNDATION_EXPORT NSLocaleKey const NSLocaleCountryCode;
FOUNDATION_EXPORT NSLocaleKey const NSLocaleDecimalSeparator;
FOUNDATION_EXPORT NSLocaleKey const NSLocaleCurrencyCode;

NS_ASSUME_NONNULL_END
