| project: {"platform": "macosx", "deploymentTarget": "10.9"}
#import <Cocoa/Cocoa.h>

//--- formatters are never reported on OS X, mutable collections are
static NSDateFormatter *formatter;
↓static NSMutableString *text;

//--- code of a category on an AppKit class runs on the main thread
@interface NSView (Caching)
@end
@implementation NSView (Caching)
- (void)remember:(id)value {
    static NSMutableArray *values;
    [values addObject:value];
}
@end

//--- code of a category on a class of the project is reported
@interface Store : NSObject
@end
@interface Store (Caching)
@end
@implementation Store (Caching)
- (void)remember:(id)value {
    ↓static NSMutableArray *values;
    [values addObject:value];
}
@end
