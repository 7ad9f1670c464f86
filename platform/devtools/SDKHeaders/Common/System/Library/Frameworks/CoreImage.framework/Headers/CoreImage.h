/* CoreImage.h: image processing with filters over lazily evaluated images, rendered by contexts. */
#ifndef COREIMAGE_H
#define COREIMAGE_H

#import <CoreImage/CoreImageDefines.h>
#import <CoreImage/CIVector.h>
#import <CoreImage/CIColor.h>
#import <CoreImage/CIImage.h>
#import <CoreImage/CIContext.h>
#import <CoreImage/CIFilter.h>

#endif /* COREIMAGE_H */
