| project: {"platform": "macosx"}
#import <AppKit/AppKit.h>

//--- a property of an AppKit view subclass is reported
@interface ChartView : NSView
↓@property (strong) NSColor *lineColor; // expect: id=lineColor
@property (nonatomic, strong) NSColor *fillColor;
@end
@implementation ChartView
@end
