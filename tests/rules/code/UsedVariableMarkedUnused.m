#import <Foundation/Foundation.h>

//--- a parameter marked unused and read twice is reported once, on the parameter, naming the first use
int twice(↓int value __unused) { // expect: id=value
// expect-info: Used at least on line 4 of
    int doubled = value + value;
    return doubled + value;
}

//--- a local variable marked with the attribute's own spelling counts too
int local(void) {
    ↓int count __attribute__((unused)) = 2; // expect: id=count
// expect-info: Used at least on line
    return count;
}

//--- a variable marked unused and not used, and one marked through a pragma, are not reported
int quiet(int ignored __unused) {
    int total = 3;
#pragma unused(total)
    return total;
}
