/*
 * CoreServices.h: the system services below the application frameworks: the uniform type identifiers and
 * CFNetwork, and on macOS the Carbon core (files, aliases, folders, resources, memory, errors), the Apple Event
 * Manager, Launch Services, icons, file system events and the keyboard layout utilities.
 */
#ifndef __CORESERVICES__
#define __CORESERVICES__

#include <CoreFoundation/CoreFoundation.h>
#include <CoreServices/UTType.h>
#include <CoreServices/UTCoreTypes.h>
#include <CFNetwork/CFNetwork.h>
#include <TargetConditionals.h>
#if TARGET_OS_OSX
#include <CoreServices/MacErrors.h>
#include <CoreServices/Finder.h>
#include <CoreServices/TextCommon.h>
#include <CoreServices/Script.h>
#include <CoreServices/UTCUtils.h>
#include <CoreServices/MacMemory.h>
#include <CoreServices/Files.h>
#include <CoreServices/Aliases.h>
#include <CoreServices/Folders.h>
#include <CoreServices/Resources.h>
#include <CoreServices/IconsCore.h>
#include <CoreServices/AE.h>
#include <CoreServices/FSEvents.h>
#include <CoreServices/Gestalt.h>
#include <CoreServices/LaunchServices.h>
#include <CoreServices/UnicodeUtilities.h>
#endif

#endif /* __CORESERVICES__ */
