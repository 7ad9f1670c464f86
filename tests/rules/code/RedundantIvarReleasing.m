#import <Foundation/Foundation.h>

//--- a -dealloc under ARC, and one without ARC, give no finding
@interface Holder : NSObject {
    NSObject *_thing;
}
@end
@implementation Holder
- (void)dealloc {
    _thing = nil;
}
@end

//--- nor one that releases its instance variable in a file without ARC
| project: {"arc": false}
@interface Keeper : NSObject {
    NSObject *_thing;
}
@end
@implementation Keeper
- (void)dealloc {
    [_thing release];
    [super dealloc];
}
@end
