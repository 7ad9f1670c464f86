/* SMLoginItem.h: the login items an application bundles in Contents/Library/LoginItems. */
#ifndef __SMLOGINITEM__
#define __SMLOGINITEM__

#include <CoreFoundation/CoreFoundation.h>

CF_EXTERN_C_BEGIN

Boolean SMLoginItemSetEnabled(CFStringRef identifier, Boolean enabled)
    API_DEPRECATED("use SMAppService", macos(10.6, 13.0));

CF_EXTERN_C_END

#endif /* __SMLOGINITEM__ */
