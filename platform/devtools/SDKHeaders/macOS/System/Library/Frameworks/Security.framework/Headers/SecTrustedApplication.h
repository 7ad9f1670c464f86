/* SecTrustedApplication.h: the applications an access object of a keychain item trusts. */
#ifndef _SECURITY_SECTRUSTEDAPPLICATION_H_
#define _SECURITY_SECTRUSTEDAPPLICATION_H_

#include <Security/SecBase.h>

CF_ASSUME_NONNULL_BEGIN
CF_EXTERN_C_BEGIN

CFTypeID SecTrustedApplicationGetTypeID(void) API_AVAILABLE(macos(10.0));
OSStatus SecTrustedApplicationCreateFromPath(const char *_Nullable path,
                                             SecTrustedApplicationRef _Nullable *_Nonnull CF_RETURNS_RETAINED app)
    API_DEPRECATED("no longer supported", macos(10.0, 10.15));
OSStatus SecTrustedApplicationCopyData(SecTrustedApplicationRef appRef,
                                       CFDataRef _Nullable *_Nonnull CF_RETURNS_RETAINED data)
    API_DEPRECATED("no longer supported", macos(10.0, 10.15));

CF_EXTERN_C_END
CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECTRUSTEDAPPLICATION_H_ */
