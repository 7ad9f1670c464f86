#import <Foundation/Foundation.h>

//--- a project function named like the runtime's is not reported
void objc_setAssociatedObject(id object, const void *key, id value, int policy);
static char kTagKey;
void tag(NSNumber *number, id value) { objc_setAssociatedObject(number, &kTagKey, value, 0); }
