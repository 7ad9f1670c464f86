/* Carbon.h: the Carbon umbrella: Core Services, Application Services and the Human Interface Toolbox. */
#ifndef __CARBON__
#define __CARBON__

#include <CoreServices/CoreServices.h>
#include <ApplicationServices/ApplicationServices.h>
#include <HIToolbox/HIToolbox.h>

#endif /* __CARBON__ */
