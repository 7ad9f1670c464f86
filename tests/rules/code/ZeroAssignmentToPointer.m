#import <Foundation/Foundation.h>

//--- a literal zero assigned to a pointer is reported in any integer spelling
void clearPointers(char *p, long *q) {
    ↓p = 0;
    ↓q = 0L;
}

//--- NULL, nil, a cast zero and an integer zero are not
void clearQuietly(char *p, NSString *s, int i) {
    p = NULL;
    s = nil;
    p = (char *)0;
    i = 0;
}
