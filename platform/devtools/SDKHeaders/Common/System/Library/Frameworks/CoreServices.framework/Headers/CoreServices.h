/*
 * CoreServices.h: the system services below the application frameworks: the uniform type identifiers, and on
 * macOS the Apple Event Manager, Launch Services, file system events and the keyboard layout utilities.
 */
#ifndef __CORESERVICES__
#define __CORESERVICES__

#include <CoreFoundation/CoreFoundation.h>
#include <CoreServices/UTType.h>
#include <CoreServices/UTCoreTypes.h>
#include <CFNetwork/CFNetwork.h>
#include <TargetConditionals.h>
#if TARGET_OS_OSX
#include <CoreServices/AE.h>
#include <CoreServices/FSEvents.h>
#include <CoreServices/Gestalt.h>
#include <CoreServices/LaunchServices.h>
#include <CoreServices/UnicodeUtilities.h>
#endif

#endif /* __CORESERVICES__ */
