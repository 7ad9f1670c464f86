/* Quartz.h: the Quartz umbrella framework, with Image Kit. */
#import <QuartzCore/QuartzCore.h>
#import <ImageKit/ImageKit.h>
