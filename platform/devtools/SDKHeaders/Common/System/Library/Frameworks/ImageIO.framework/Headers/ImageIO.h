/* ImageIO.h: reading and writing image files of every format the system knows, with their properties and metadata. */
#ifndef __IMAGEIO__
#define __IMAGEIO__

#include <ImageIO/ImageIOBase.h>
#include <ImageIO/CGImageSource.h>
#include <ImageIO/CGImageDestination.h>
#include <ImageIO/CGImageMetadata.h>
#include <ImageIO/CGImageProperties.h>
#include <ImageIO/CGImageAnimation.h>

#endif /* __IMAGEIO__ */
