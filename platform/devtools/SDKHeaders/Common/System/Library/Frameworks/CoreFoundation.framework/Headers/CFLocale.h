/* CFLocale.h: locales: the user's current locale, identifiers and the values of locale components. */
#ifndef __COREFOUNDATION_CFLOCALE__
#define __COREFOUNDATION_CFLOCALE__

#include <CoreFoundation/CFBase.h>
#include <CoreFoundation/CFArray.h>
#include <CoreFoundation/CFDictionary.h>
#include <CoreFoundation/CFNotificationCenter.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef CFStringRef CFLocaleIdentifier CF_EXTENSIBLE_STRING_ENUM;
typedef CFStringRef CFLocaleKey CF_STRING_ENUM;
typedef const struct CF_BRIDGED_TYPE(NSLocale) __CFLocale *CFLocaleRef;

CF_EXPORT CFTypeID CFLocaleGetTypeID(void);
CF_EXPORT CFLocaleRef _Nullable CFLocaleGetSystem(void);
CF_EXPORT CFLocaleRef CFLocaleCopyCurrent(void);
CF_EXPORT CFArrayRef CFLocaleCopyAvailableLocaleIdentifiers(void);
CF_EXPORT CFArrayRef CFLocaleCopyPreferredLanguages(void);
CF_EXPORT CFLocaleIdentifier _Nullable CFLocaleCreateCanonicalLocaleIdentifierFromString(
    CFAllocatorRef _Nullable allocator, CFStringRef localeIdentifier);
CF_EXPORT CFLocaleRef _Nullable CFLocaleCreate(CFAllocatorRef _Nullable allocator,
                                               CFLocaleIdentifier _Nullable localeIdentifier);
CF_EXPORT CFLocaleRef _Nullable CFLocaleCreateCopy(CFAllocatorRef _Nullable allocator, CFLocaleRef locale);
CF_EXPORT CFLocaleIdentifier CFLocaleGetIdentifier(CFLocaleRef locale);
CF_EXPORT CFTypeRef _Nullable CFLocaleGetValue(CFLocaleRef locale, CFLocaleKey key);
CF_EXPORT CFStringRef _Nullable CFLocaleCopyDisplayNameForPropertyValue(CFLocaleRef displayLocale, CFLocaleKey key,
                                                                        CFStringRef value);

CF_EXPORT const CFNotificationName kCFLocaleCurrentLocaleDidChangeNotification API_AVAILABLE(macos(10.5), ios(2.0));
CF_EXPORT const CFLocaleKey kCFLocaleIdentifier;
CF_EXPORT const CFLocaleKey kCFLocaleLanguageCode;
CF_EXPORT const CFLocaleKey kCFLocaleCountryCode;
CF_EXPORT const CFLocaleKey kCFLocaleScriptCode;
CF_EXPORT const CFLocaleKey kCFLocaleVariantCode;
CF_EXPORT const CFLocaleKey kCFLocaleCalendarIdentifier;
CF_EXPORT const CFLocaleKey kCFLocaleCalendar;
CF_EXPORT const CFLocaleKey kCFLocaleDecimalSeparator;
CF_EXPORT const CFLocaleKey kCFLocaleGroupingSeparator;
CF_EXPORT const CFLocaleKey kCFLocaleCurrencySymbol;
CF_EXPORT const CFLocaleKey kCFLocaleCurrencyCode;
CF_EXPORT const CFLocaleKey kCFLocaleUsesMetricSystem;

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFLOCALE__ */
