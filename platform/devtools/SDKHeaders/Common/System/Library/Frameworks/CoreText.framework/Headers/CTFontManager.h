/* CTFontManager.h: registering fonts from files, data and graphics fonts for a process or a session. */
#ifndef __CTFONTMANAGER__
#define __CTFONTMANAGER__

#include <CoreText/CTDefines.h>
#include <CoreText/CTFontDescriptor.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef CF_ENUM(uint32_t, CTFontManagerScope) {
    kCTFontManagerScopeNone = 0,
    kCTFontManagerScopeProcess = 1,
    kCTFontManagerScopePersistent = 2,
    kCTFontManagerScopeSession = 3,
    kCTFontManagerScopeUser = 2
};

typedef CF_ENUM(CFIndex, CTFontManagerError) {
    kCTFontManagerErrorFileNotFound = 101,
    kCTFontManagerErrorInsufficientPermissions = 102,
    kCTFontManagerErrorUnrecognizedFormat = 103,
    kCTFontManagerErrorInvalidFontData = 104,
    kCTFontManagerErrorAlreadyRegistered = 105,
    kCTFontManagerErrorExceededResourceLimit = 106,
    kCTFontManagerErrorAssetNotFound = 107,
    kCTFontManagerErrorNotRegistered = 201,
    kCTFontManagerErrorInUse = 202,
    kCTFontManagerErrorSystemRequired = 203
};

CT_EXPORT const CFStringRef kCTFontManagerErrorDomain;
CT_EXPORT const CFStringRef kCTFontManagerErrorFontURLsKey;
CT_EXPORT const CFStringRef kCTFontManagerRegisteredFontsChangedNotification;

CT_EXPORT CFArrayRef CTFontManagerCopyAvailablePostScriptNames(void);
CT_EXPORT CFArrayRef CTFontManagerCopyAvailableFontFamilyNames(void);
CT_EXPORT CFArrayRef _Nullable CTFontManagerCreateFontDescriptorsFromURL(CFURLRef fileURL);
CT_EXPORT CTFontDescriptorRef _Nullable CTFontManagerCreateFontDescriptorFromData(CFDataRef data);
CT_EXPORT CFArrayRef CTFontManagerCreateFontDescriptorsFromData(CFDataRef data);
CT_EXPORT bool CTFontManagerRegisterFontsForURL(CFURLRef fontURL, CTFontManagerScope scope,
                                                CFErrorRef _Nullable *_Nullable error);
CT_EXPORT bool CTFontManagerUnregisterFontsForURL(CFURLRef fontURL, CTFontManagerScope scope,
                                                  CFErrorRef _Nullable *_Nullable error);
CT_EXPORT bool CTFontManagerRegisterGraphicsFont(CGFontRef font, CFErrorRef _Nullable *_Nullable error);
CT_EXPORT bool CTFontManagerUnregisterGraphicsFont(CGFontRef font, CFErrorRef _Nullable *_Nullable error);
CT_EXPORT bool CTFontManagerRegisterFontsForURLs(CFArrayRef fontURLs, CTFontManagerScope scope,
                                                 CFArrayRef _Nullable *_Nullable errors);
CT_EXPORT bool CTFontManagerUnregisterFontsForURLs(CFArrayRef fontURLs, CTFontManagerScope scope,
                                                   CFArrayRef _Nullable *_Nullable errors);
#if defined(__BLOCKS__)
CT_EXPORT void CTFontManagerRegisterFontURLs(CFArrayRef fontURLs, CTFontManagerScope scope, bool enabled,
                                             bool (^_Nullable registrationHandler)(CFArrayRef errors, bool done))
    API_AVAILABLE(macos(10.15), ios(13.0));
#endif

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTFONTMANAGER__ */
