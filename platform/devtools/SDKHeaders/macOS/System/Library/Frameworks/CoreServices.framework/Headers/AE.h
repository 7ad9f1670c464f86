/* AE.h: the Apple Event Manager: its data model and its standard events. */
#ifndef __AE__
#define __AE__

#include <CoreServices/AEDataModel.h>
#include <CoreServices/AppleEvents.h>

#endif /* __AE__ */
