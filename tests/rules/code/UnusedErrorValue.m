#import <Foundation/Foundation.h>

@interface Store : NSObject
- (BOOL)save:(NSError **)error;
- (BOOL)save:(id)item error:(NSError **)error;
@end

//--- a variable filled in by a call and never read is reported at its declaration
@implementation Store
- (void)persist {
    ↓NSError *error = nil; // expect: id=error
    [self save:&error];
}
@end

//--- a later read or a nil comparison clears it
@implementation Store
- (void)persist {
    NSError *error = nil;
    [self save:&error];
    NSLog(@"%@", error);
}
- (BOOL)persistAgain {
    NSError *error = nil;
    [self save:&error];
    return error == nil;
}
@end

//--- assigning the variable again is no read
@implementation Store
- (void)persist {
    ↓NSError *error = nil; // expect: id=error
    [self save:&error];
    error = nil;
    [self save:&error];
}
@end

//--- a variable whose address is never taken, or a parameter, is not reported
@implementation Store
- (void)persist {
    NSError *error = nil;
    (void)[self save:NULL];
}
- (BOOL)persist:(NSError **)outError {
    return [self save:outError];
}
- (void)forward:(NSError *)error {
    NSError *copy = error;
    (void)copy;
}
@end

//--- a CFErrorRef is handled like an NSError pointer
void readList(CFDataRef data) {
    ↓CFErrorRef error = NULL; // expect: id=error
    CFPropertyListRef list = CFPropertyListCreateWithData(kCFAllocatorDefault, data, kCFPropertyListImmutable, NULL, &error);
    if (list) {
        CFRelease(list);
    }
}
void readListAndReport(CFDataRef data) {
    CFErrorRef error = NULL;
    CFPropertyListRef list = CFPropertyListCreateWithData(kCFAllocatorDefault, data, kCFPropertyListImmutable, NULL, &error);
    if (!list) {
        CFRelease(error);
    }
}

//--- a read left out by the preprocessor still counts
@implementation Store
- (void)persist {
    NSError *error = nil;
    [self save:&error];
#if 0
    NSLog(@"%@", error);
#endif
}
@end

//--- the name as a selector keyword is no read
@implementation Store
- (void)persist:(id)item {
    ↓NSError *error = nil; // expect: id=error
    [self save:item error:&error];
}
@end

//--- each unread variable of a routine is reported
@implementation Store
- (void)persist:(id)item {
    ↓NSError *first = nil; // expect: id=first
    ↓NSError *second = nil; // expect: id=second
    [self save:item error:&second];
    [self save:item error:&first];
}
@end

//--- a read inside a block counts
@implementation Store
- (void)persistLater {
    __block NSError *error = nil;
    [self save:&error];
    dispatch_async(dispatch_get_main_queue(), ^{
        NSLog(@"%@", error);
    });
}
@end
