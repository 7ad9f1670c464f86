/* ApplicationServices.h: the services applications stand on: Core Graphics, Image I/O, accessibility, processes. */
#ifndef __APPLICATIONSERVICES__
#define __APPLICATIONSERVICES__

#include <CoreServices/CoreServices.h>
#include <CoreGraphics/CoreGraphics.h>
#include <ImageIO/ImageIO.h>
#include <HIServices/HIServices.h>

#endif /* __APPLICATIONSERVICES__ */
