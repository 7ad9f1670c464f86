/* MobileCoreServices.h: the uniform type identifiers of iOS, tvOS, watchOS and visionOS (those of Core Services). */
#ifndef __MOBILECORESERVICES__
#define __MOBILECORESERVICES__

#include <CoreServices/UTType.h>
#include <CoreServices/UTCoreTypes.h>

#endif /* __MOBILECORESERVICES__ */
