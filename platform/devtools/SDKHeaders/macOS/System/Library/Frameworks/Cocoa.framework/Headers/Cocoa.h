/* Cocoa.h: the Cocoa umbrella: Foundation and AppKit. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKit.h>
