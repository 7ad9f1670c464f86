/* SecAccessControl.h: access control of keychain items: when they are accessible and what must authenticate. */
#ifndef _SECURITY_SECACCESSCONTROL_H_
#define _SECURITY_SECACCESSCONTROL_H_

#include <Security/SecBase.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef CF_OPTIONS(CFOptionFlags, SecAccessControlCreateFlags) {
    kSecAccessControlUserPresence = 1u << 0,
    kSecAccessControlBiometryAny API_AVAILABLE(macos(10.13.4), ios(11.3)) = 1u << 1,
    kSecAccessControlBiometryCurrentSet API_AVAILABLE(macos(10.13.4), ios(11.3)) = 1u << 3,
    kSecAccessControlDevicePasscode API_AVAILABLE(macos(10.11), ios(9.0)) = 1u << 4,
    kSecAccessControlWatch API_AVAILABLE(macos(10.15)) API_UNAVAILABLE(ios, watchos, tvos) = 1u << 5,
    kSecAccessControlOr API_AVAILABLE(macos(10.12.1), ios(9.0)) = 1u << 14,
    kSecAccessControlAnd API_AVAILABLE(macos(10.12.1), ios(9.0)) = 1u << 15,
    kSecAccessControlPrivateKeyUsage API_AVAILABLE(macos(10.12.1), ios(9.0)) = 1u << 30,
    kSecAccessControlApplicationPassword API_AVAILABLE(macos(10.12.1), ios(9.0)) = 1u << 31,
} API_AVAILABLE(macos(10.10), ios(8.0));

CFTypeID SecAccessControlGetTypeID(void) API_AVAILABLE(macos(10.10), ios(8.0));
SecAccessControlRef _Nullable SecAccessControlCreateWithFlags(CFAllocatorRef _Nullable allocator,
                                                              CFTypeRef protection, SecAccessControlCreateFlags flags,
                                                              CFErrorRef *error) API_AVAILABLE(macos(10.10), ios(8.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* _SECURITY_SECACCESSCONTROL_H_ */
