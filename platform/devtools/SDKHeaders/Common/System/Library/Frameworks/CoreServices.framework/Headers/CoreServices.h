/* CoreServices.h: the system services below the application frameworks; here the uniform type identifiers. */
#ifndef __CORESERVICES__
#define __CORESERVICES__

#include <CoreFoundation/CoreFoundation.h>
#include <CoreServices/UTType.h>
#include <CoreServices/UTCoreTypes.h>

#endif /* __CORESERVICES__ */
