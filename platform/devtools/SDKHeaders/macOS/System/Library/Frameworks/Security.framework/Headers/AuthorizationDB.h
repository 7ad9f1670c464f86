/* AuthorizationDB.h: reading and changing the rules of the authorization policy database. */
#ifndef _SECURITY_AUTHORIZATIONDB_H_
#define _SECURITY_AUTHORIZATIONDB_H_

#include <Security/Authorization.h>

CF_ASSUME_NONNULL_BEGIN
CF_EXTERN_C_BEGIN

#define kAuthorizationRuleClassAllow "allow"
#define kAuthorizationRuleClassDeny "deny"
#define kAuthorizationRuleAuthenticateAsSessionUser "authenticate-session-owner"
#define kAuthorizationRuleAuthenticateAsAdmin "authenticate-admin"
#define kAuthorizationRuleIsAdmin "is-admin"

OSStatus AuthorizationRightGet(const char *rightName,
                               CFDictionaryRef _Nullable *_Nullable CF_RETURNS_RETAINED rightDefinition)
    API_AVAILABLE(macos(10.3));
OSStatus AuthorizationRightSet(AuthorizationRef authRef, const char *rightName, CFTypeRef rightDefinition,
                               CFStringRef _Nullable descriptionKey, CFBundleRef _Nullable bundle,
                               CFStringRef _Nullable localeTableName) API_AVAILABLE(macos(10.3));
OSStatus AuthorizationRightRemove(AuthorizationRef authRef, const char *rightName) API_AVAILABLE(macos(10.3));

CF_EXTERN_C_END
CF_ASSUME_NONNULL_END

#endif /* _SECURITY_AUTHORIZATIONDB_H_ */
