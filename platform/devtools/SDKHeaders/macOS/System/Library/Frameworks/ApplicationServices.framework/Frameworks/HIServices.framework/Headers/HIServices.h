/* HIServices.h: accessibility and the Process Manager. */
#ifndef __HISERVICES__
#define __HISERVICES__

#include <HIServices/AXError.h>
#include <HIServices/AXConstants.h>
#include <HIServices/AXValue.h>
#include <HIServices/AXUIElement.h>
#include <HIServices/AXTextMarker.h>
#include <HIServices/Processes.h>

#endif /* __HISERVICES__ */
