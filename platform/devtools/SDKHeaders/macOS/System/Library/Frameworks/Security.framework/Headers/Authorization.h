/*
 * Authorization.h: authorization references: asking the security server for rights (running as an administrator,
 * or any right its policy database names), handing them to another process in external form, and releasing them.
 */
#ifndef _SECURITY_AUTHORIZATION_H_
#define _SECURITY_AUTHORIZATION_H_

#include <Availability.h>
#include <CoreFoundation/CoreFoundation.h>
#include <MacTypes.h>
#include <stdio.h>

CF_ASSUME_NONNULL_BEGIN
CF_EXTERN_C_BEGIN

enum { kAuthorizationExternalFormLength = 32 };

#define kAuthorizationEmptyEnvironment NULL

CF_ENUM(OSStatus){
    errAuthorizationSuccess = 0,
    errAuthorizationInvalidSet = -60001,
    errAuthorizationInvalidRef = -60002,
    errAuthorizationInvalidTag = -60003,
    errAuthorizationInvalidPointer = -60004,
    errAuthorizationDenied = -60005,
    errAuthorizationCanceled = -60006,
    errAuthorizationInteractionNotAllowed = -60007,
    errAuthorizationInternal = -60008,
    errAuthorizationExternalizeNotAllowed = -60009,
    errAuthorizationInternalizeNotAllowed = -60010,
    errAuthorizationInvalidFlags = -60011,
    errAuthorizationToolExecuteFailure = -60031,
    errAuthorizationToolEnvironmentError = -60032,
    errAuthorizationBadAddress = -60033,
};

typedef CF_OPTIONS(UInt32, AuthorizationFlags) {
    kAuthorizationFlagDefaults = 0,
    kAuthorizationFlagInteractionAllowed = (1 << 0),
    kAuthorizationFlagExtendRights = (1 << 1),
    kAuthorizationFlagPartialRights = (1 << 2),
    kAuthorizationFlagDestroyRights = (1 << 3),
    kAuthorizationFlagPreAuthorize = (1 << 4),
    kAuthorizationFlagSkipInternalAuth = (1 << 9),
    kAuthorizationFlagNoData = (1 << 20),
};

enum { kAuthorizationFlagCanNotPreAuthorize = (1 << 0) };

typedef const struct AuthorizationOpaqueRef *AuthorizationRef;
typedef const char *AuthorizationString;

typedef struct {
    AuthorizationString name;
    size_t valueLength;
    void *_Nullable value;
    UInt32 flags;
} AuthorizationItem;

typedef struct {
    UInt32 count;
    AuthorizationItem *_Nullable items;
} AuthorizationItemSet;

typedef struct {
    char bytes[kAuthorizationExternalFormLength];
} AuthorizationExternalForm;

typedef AuthorizationItemSet AuthorizationRights;
typedef AuthorizationItemSet AuthorizationEnvironment;

OSStatus AuthorizationCreate(const AuthorizationRights *_Nullable rights,
                             const AuthorizationEnvironment *_Nullable environment, AuthorizationFlags flags,
                             AuthorizationRef _Nullable *_Nullable authorization) API_AVAILABLE(macos(10.0));
OSStatus AuthorizationFree(AuthorizationRef authorization, AuthorizationFlags flags) API_AVAILABLE(macos(10.0));
OSStatus AuthorizationCopyRights(AuthorizationRef authorization, const AuthorizationRights *rights,
                                 const AuthorizationEnvironment *_Nullable environment, AuthorizationFlags flags,
                                 AuthorizationRights *_Nullable *_Nullable authorizedRights)
    API_AVAILABLE(macos(10.0));
#ifdef __BLOCKS__
typedef void (^AuthorizationAsyncCallback)(OSStatus err, AuthorizationRights *_Nullable blockAuthorizedRights);
void AuthorizationCopyRightsAsync(AuthorizationRef authorization, const AuthorizationRights *rights,
                                  const AuthorizationEnvironment *_Nullable environment, AuthorizationFlags flags,
                                  AuthorizationAsyncCallback callbackBlock) API_AVAILABLE(macos(10.7));
#endif
OSStatus AuthorizationCopyInfo(AuthorizationRef authorization, AuthorizationString _Nullable tag,
                               AuthorizationItemSet *_Nullable *_Nonnull info) API_AVAILABLE(macos(10.0));
OSStatus AuthorizationMakeExternalForm(AuthorizationRef authorization, AuthorizationExternalForm *extForm)
    API_AVAILABLE(macos(10.0));
OSStatus AuthorizationCreateFromExternalForm(const AuthorizationExternalForm *extForm,
                                             AuthorizationRef _Nullable *_Nonnull authorization)
    API_AVAILABLE(macos(10.0));
OSStatus AuthorizationFreeItemSet(AuthorizationItemSet *set) API_AVAILABLE(macos(10.0));
OSStatus AuthorizationExecuteWithPrivileges(AuthorizationRef authorization, const char *pathToTool,
                                            AuthorizationFlags options, char *_Nonnull const *_Nonnull arguments,
                                            FILE *_Nullable *_Nullable communicationsPipe)
    API_DEPRECATED("no longer supported", macos(10.1, 10.7));
OSStatus AuthorizationCopyPrivilegedReference(AuthorizationRef _Nullable *_Nonnull authorization,
                                              AuthorizationFlags flags)
    API_DEPRECATED("no longer supported", macos(10.1, 10.7));

CF_EXTERN_C_END
CF_ASSUME_NONNULL_END

#endif /* _SECURITY_AUTHORIZATION_H_ */
