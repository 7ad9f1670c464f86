#import <Foundation/Foundation.h>

//--- assigning, compound-assigning and incrementing a parameter are reported
void adjust(int x) {
    ↓x = 1;
    ↓x += 1;
    ↓x++;
}

//--- writing through a pointer parameter and changing a local are not
void fill(int *x) {
    *x = 1;
    int local = 0;
    local = 2;
    local++;
}

//--- self assigned in an initializer is not a parameter
@interface Counter : NSObject
@end
@implementation Counter
- (instancetype)init {
    self = [super init];
    return self;
}
@end

//--- a C++ reference parameter is the caller's variable
| file: Reference.mm
void reset(int &x) { x = 0; }
