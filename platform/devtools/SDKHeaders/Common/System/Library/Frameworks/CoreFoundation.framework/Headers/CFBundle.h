/* CFBundle.h: bundles: the main bundle, bundles by identifier or URL, their resources and Info.plist values. */
#ifndef __COREFOUNDATION_CFBUNDLE__
#define __COREFOUNDATION_CFBUNDLE__

#include <CoreFoundation/CFBase.h>
#include <CoreFoundation/CFArray.h>
#include <CoreFoundation/CFDictionary.h>
#include <CoreFoundation/CFString.h>
#include <CoreFoundation/CFURL.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) __CFBundle *CFBundleRef;

CF_EXPORT const CFStringRef kCFBundleInfoDictionaryVersionKey;
CF_EXPORT const CFStringRef kCFBundleExecutableKey;
CF_EXPORT const CFStringRef kCFBundleIdentifierKey;
CF_EXPORT const CFStringRef kCFBundleVersionKey;
CF_EXPORT const CFStringRef kCFBundleDevelopmentRegionKey;
CF_EXPORT const CFStringRef kCFBundleNameKey;
CF_EXPORT const CFStringRef kCFBundleLocalizationsKey;

CF_EXPORT CFBundleRef _Nullable CFBundleGetMainBundle(void);
CF_EXPORT CFBundleRef _Nullable CFBundleGetBundleWithIdentifier(CFStringRef bundleID);
CF_EXPORT CFBundleRef _Nullable CFBundleCreate(CFAllocatorRef _Nullable allocator, CFURLRef bundleURL);
CF_EXPORT CFTypeID CFBundleGetTypeID(void);
CF_EXPORT CFURLRef _Nullable CFBundleCopyBundleURL(CFBundleRef bundle);
CF_EXPORT CFURLRef _Nullable CFBundleCopyResourcesDirectoryURL(CFBundleRef bundle);
CF_EXPORT CFURLRef _Nullable CFBundleCopyExecutableURL(CFBundleRef bundle);
CF_EXPORT CFStringRef _Nullable CFBundleGetIdentifier(CFBundleRef bundle);
CF_EXPORT UInt32 CFBundleGetVersionNumber(CFBundleRef bundle);
CF_EXPORT CFDictionaryRef _Nullable CFBundleGetInfoDictionary(CFBundleRef bundle);
CF_EXPORT CFDictionaryRef _Nullable CFBundleGetLocalInfoDictionary(CFBundleRef bundle);
CF_EXPORT CFTypeRef _Nullable CFBundleGetValueForInfoDictionaryKey(CFBundleRef bundle, CFStringRef key);
CF_EXPORT CFURLRef _Nullable CFBundleCopyResourceURL(CFBundleRef bundle, CFStringRef resourceName,
                                                     CFStringRef _Nullable resourceType,
                                                     CFStringRef _Nullable subDirName);
CF_EXPORT CFArrayRef _Nullable CFBundleCopyResourceURLsOfType(CFBundleRef bundle, CFStringRef _Nullable resourceType,
                                                              CFStringRef _Nullable subDirName);
CF_EXPORT CFStringRef CFBundleCopyLocalizedString(CFBundleRef bundle, CFStringRef _Nullable key,
                                                  CFStringRef _Nullable value, CFStringRef _Nullable tableName)
    CF_FORMAT_ARGUMENT(2);
CF_EXPORT CFArrayRef CFBundleCopyBundleLocalizations(CFBundleRef bundle);
CF_EXPORT CFArrayRef CFBundleCopyPreferredLocalizationsFromArray(CFArrayRef locArray);

/* The localised-string macros, read by the tools that extract strings files. */
#define CFCopyLocalizedString(key, comment) CFBundleCopyLocalizedString(CFBundleGetMainBundle(), (key), (key), NULL)
#define CFCopyLocalizedStringFromTable(key, tbl, comment)                                                            \
    CFBundleCopyLocalizedString(CFBundleGetMainBundle(), (key), (key), (tbl))
#define CFCopyLocalizedStringFromTableInBundle(key, tbl, bundle, comment)                                            \
    CFBundleCopyLocalizedString((bundle), (key), (key), (tbl))
#define CFCopyLocalizedStringWithDefaultValue(key, tbl, bundle, value, comment)                                      \
    CFBundleCopyLocalizedString((bundle), (key), (value), (tbl))

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFBUNDLE__ */
