#import <Foundation/Foundation.h>
#include <assert.h>

@interface Store : NSObject
- (BOOL)save:(NSError **)error;
- (BOOL)isThingy:(id)thing;
- (BOOL)ready;
@end

int pureCount(int value) __attribute__((pure));
int constCount(int value) __attribute__((const));
int plainCount(int value);

//--- conditions that only ask are not reported
@implementation Store
- (BOOL)save:(NSError **)error { return YES; }
- (BOOL)isThingy:(id)thing { return YES; }
- (BOOL)ready { return YES; }
- (void)check:(NSArray *)array thing:(id)thing {
    NSAssert([array containsObject:thing], @"missing");
    NSParameterAssert(thing != nil);
    NSAssert(pureCount(1) && constCount(2), @"counts");
    NSAssert([self isThingy:thing], @"thingy");
    NSAssert1([self ready], @"not ready %@", thing);
    NSParameterAssert([thing isKindOfClass:[NSString class]]);
}
@end

//--- a message of the project's own that takes an argument is reported at the macro
@implementation Store
- (BOOL)save:(NSError **)error { return YES; }
- (BOOL)isThingy:(id)thing { return YES; }
- (BOOL)ready { return YES; }
- (void)persist {
    ↓NSAssert([self save:NULL], @"could not save");
    ↓NSAssert1([self save:NULL], @"could not save %@", self);
}
@end

//--- a plain function call is reported, also in C assertions; several calls in one assertion make one finding there
void checkCounts(int value) {
    ↓NSCAssert(plainCount(value) > 0, @"none");
    ↓NSCParameterAssert(plainCount(value) == plainCount(value + 1));
}

//--- the C assert macro is not examined
void checkWithAssert(int value) { assert(plainCount(value)); }
