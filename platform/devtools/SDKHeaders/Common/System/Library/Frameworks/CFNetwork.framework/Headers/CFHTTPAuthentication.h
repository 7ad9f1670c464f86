/* CFHTTPAuthentication.h: the authentication an HTTP server or proxy asks for, and the credentials applied to it. */
#ifndef __CFHTTPAUTHENTICATION__
#define __CFHTTPAUTHENTICATION__

#include <CFNetwork/CFHTTPMessage.h>
#include <CFNetwork/CFNetworkDefs.h>

CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) _CFHTTPAuthentication *CFHTTPAuthenticationRef;

typedef CF_ENUM(int, CFStreamErrorHTTPAuthentication) {
    kCFStreamErrorHTTPAuthenticationTypeUnsupported = -1000,
    kCFStreamErrorHTTPAuthenticationBadUserName = -1001,
    kCFStreamErrorHTTPAuthenticationBadPassword = -1002
};

CFN_EXPORT const CFStringRef kCFHTTPAuthenticationUsername API_AVAILABLE(macos(10.4), ios(2.0));
CFN_EXPORT const CFStringRef kCFHTTPAuthenticationPassword API_AVAILABLE(macos(10.4), ios(2.0));
CFN_EXPORT const CFStringRef kCFHTTPAuthenticationAccountDomain API_AVAILABLE(macos(10.4), ios(2.0));

CFN_EXPORT CFTypeID CFHTTPAuthenticationGetTypeID(void) API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT CFHTTPAuthenticationRef CFHTTPAuthenticationCreateFromResponse(CFAllocatorRef _Nullable alloc,
                                                                          CFHTTPMessageRef response)
    API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT Boolean CFHTTPAuthenticationIsValid(CFHTTPAuthenticationRef auth, CFStreamError *_Nullable error)
    API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT Boolean CFHTTPAuthenticationAppliesToRequest(CFHTTPAuthenticationRef auth, CFHTTPMessageRef request)
    API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT Boolean CFHTTPAuthenticationRequiresOrderedRequests(CFHTTPAuthenticationRef auth)
    API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT Boolean CFHTTPMessageApplyCredentials(CFHTTPMessageRef request, CFHTTPAuthenticationRef auth,
                                                 CFStringRef _Nullable username, CFStringRef _Nullable password,
                                                 CFStreamError *_Nullable error)
    API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT Boolean CFHTTPMessageApplyCredentialDictionary(CFHTTPMessageRef request, CFHTTPAuthenticationRef auth,
                                                          CFDictionaryRef dict, CFStreamError *_Nullable error)
    API_AVAILABLE(macos(10.4), ios(2.0));
CFN_EXPORT CFStringRef CFHTTPAuthenticationCopyRealm(CFHTTPAuthenticationRef auth)
    API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT CFArrayRef CFHTTPAuthenticationCopyDomains(CFHTTPAuthenticationRef auth)
    API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT CFStringRef CFHTTPAuthenticationCopyMethod(CFHTTPAuthenticationRef auth)
    API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT Boolean CFHTTPAuthenticationRequiresUserNameAndPassword(CFHTTPAuthenticationRef auth)
    API_AVAILABLE(macos(10.3), ios(2.0));
CFN_EXPORT Boolean CFHTTPAuthenticationRequiresAccountDomain(CFHTTPAuthenticationRef auth)
    API_AVAILABLE(macos(10.4), ios(2.0));

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END

#endif /* __CFHTTPAUTHENTICATION__ */
