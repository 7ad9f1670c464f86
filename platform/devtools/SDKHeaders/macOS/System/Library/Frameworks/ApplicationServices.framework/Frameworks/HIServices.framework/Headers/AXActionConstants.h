/* AXActionConstants.h: see AXConstants.h, which holds the names of all kinds. */
#include <HIServices/AXConstants.h>
