#import <Foundation/Foundation.h>

#define IS_MORE(a, b) ((a) > (b))

//--- ">" and ">=" are reported, "<" and "<=" are not
BOOL compare(int a, int b) {
    BOOL bigger = ↓a > b;
// expect-info: Invert this comparison to use the &lt; operator instead.
    BOOL atLeast = ↓a >= b;
// expect-info: Invert this comparison to use the &lt;= operator instead.
    return bigger && atLeast && a < b && a <= b;
}

//--- a ">" written by a macro is not reported
BOOL compareByMacro(int a, int b) { return IS_MORE(a, b); }
