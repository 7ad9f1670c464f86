#import <Foundation/Foundation.h>

#define ZERO 0

//--- a pointer compared with zero by an ordered operator is reported, on either side
BOOL orderedAgainstZero(char *p) {
    BOOL below = ↓p < 0;
// expect-info: char * is compared to zero
    BOOL mirrored = ↓0 >= p;
// expect-info: char * is compared to zero
    return below || mirrored;
}

//--- zero written by a macro counts
BOOL belowMacroZero(int *p) { return ↓p < ZERO; }
// expect-info: int * is compared to zero

//--- equality, two pointers and an integer with zero are not reported
BOOL others(char *p, char *q, int i) { return p == 0 || p < q || i < 0; }
