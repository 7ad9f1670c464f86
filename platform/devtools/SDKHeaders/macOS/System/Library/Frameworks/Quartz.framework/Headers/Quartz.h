/* Quartz.h: the Quartz umbrella framework, with Image Kit and the Quick Look panel. */
#import <QuartzCore/QuartzCore.h>
#import <ImageKit/ImageKit.h>
#import <QuickLookUI/QuickLookUI.h>
