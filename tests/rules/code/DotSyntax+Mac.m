| project: {"platform": "macosx", "arc": false}
#import <AppKit/AppKit.h>

//--- a property setter on the allowed list may be sent with brackets, its getter may not
void redraw(NSView *view) {
    [view setNeedsDisplay:YES];
    (void)↓[view needsDisplay];
}

//--- without the restriction to properties, retain may still be sent with brackets
| options: {"onlyForProperties": false}
void keep(NSView *view) {
    (void)[view retain];
    (void)↓[view superview];
}
