/* AuthorizationTags.h: the names of the rights and environment items that authorization calls take. */
#ifndef _SECURITY_AUTHORIZATIONTAGS_H_
#define _SECURITY_AUTHORIZATIONTAGS_H_

#define kAuthorizationEnvironmentUsername "username"
#define kAuthorizationEnvironmentPassword "password"
#define kAuthorizationEnvironmentShared "shared"
#define kAuthorizationRightExecute "system.privilege.admin"
#define kAuthorizationEnvironmentPrompt "prompt"
#define kAuthorizationEnvironmentIcon "icon"
#define kAuthorizationPamResult "pam_result"

#endif /* _SECURITY_AUTHORIZATIONTAGS_H_ */
