#import <Foundation/Foundation.h>

//--- an element variable declared before the loop is reported on the loop
void listOutside(NSArray *items) {
    id x;
    ↓for (x in items) {
        NSLog(@"%@", x);
    }
}

//--- one declared in the loop is not
void listInside(NSArray *items) {
    for (id x in items) {
        NSLog(@"%@", x);
    }
}
