#import <Foundation/Foundation.h>

//--- ten decisions exceed the default threshold, nine do not
↓int ten(int x) { // expect: id=ten
// expect-info: The cyclomatic complexity number of this routine is 11, which exceeds the configured threshold of 10.
    if (x == 1) return 1;
    if (x == 2) return 2;
    if (x == 3) return 3;
    if (x == 4) return 4;
    if (x == 5) return 5;
    if (x == 6) return 6;
    if (x == 7) return 7;
    if (x == 8) return 8;
    if (x == 9) return 9;
    if (x == 10) return 10;
    return 0;
}
int nine(int x) {
    if (x == 1) return 1;
    if (x == 2) return 2;
    if (x == 3) return 3;
    if (x == 4) return 4;
    if (x == 5) return 5;
    if (x == 6) return 6;
    if (x == 7) return 7;
    if (x == 8) return 8;
    if (x == 9) return 9;
    return 0;
}

//--- each logical operator of a condition is a decision of its own
| options: {"warningThresholdCCN": 3}
↓int joined(int a, int b, int c) { // expect: id=joined
// expect-info: is 4, which exceeds the configured threshold of 3.
    if ((a && b) || c) return 1;
    return 0;
}
int single(int a, int b) {
    if (a && b) return 1;
    return 0;
}

//--- a conditional inside a block counts for the method that holds the block; a declaration has no body to count
| options: {"warningThresholdCCN": 1}
@interface Picker : NSObject
- (void)pick;
@end
@implementation Picker
↓- (void)pick { // expect: id=pick
    int (^choose)(int) = ^(int x) { return x > 0 ? x : -x; };
    (void)choose(1);
}
@end
