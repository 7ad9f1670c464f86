/* HIToolbox.h: the parts of the Human Interface Toolbox that Cocoa apps still use. */
#ifndef __HITOOLBOX__
#define __HITOOLBOX__

#include <HIToolbox/Events.h>
#include <HIToolbox/CarbonEvents.h>
#include <HIToolbox/TextInputSources.h>
#include <HIToolbox/Menus.h>

#endif /* __HITOOLBOX__ */
