#import <Foundation/Foundation.h>

@interface Store : NSObject
@property (nonatomic) BOOL saved;
- (BOOL)save:(NSError **)error;
- (void)reset:(NSError **)error;
- (NSString *)load:(NSString *)name error:(NSError **)error;
@end

//--- the call's value discarded and the error variable tested is reported at the test
@implementation Store
- (void)write:(NSString *)text {
    NSError *error = nil;
    [text writeToFile:@"/tmp/out" atomically:YES encoding:NSUTF8StringEncoding error:&error];
    if (↓error) {
        NSLog(@"%@", error);
    }
}
@end

//--- a stored result that is never tested is named in the info
@implementation Store
- (void)write:(NSString *)text {
    NSError *error;
    BOOL written = [text writeToFile:@"/tmp/out" atomically:YES encoding:NSUTF8StringEncoding error:&error];
    if (↓error != nil) {
// expect-info: stored in the written variable
        NSLog(@"%@", error);
    }
    (void)written;
}
@end

//--- a test of the stored result anywhere in the routine clears it, also negated
@implementation Store
- (void)write:(NSString *)text {
    NSError *error;
    BOOL written = [text writeToFile:@"/tmp/out" atomically:YES encoding:NSUTF8StringEncoding error:&error];
    if (error != nil) {
        NSLog(@"%@", error);
    }
    if (!written) {
        return;
    }
}
- (NSString *)read {
    NSError *error;
    NSString *text;
    text = [NSString stringWithContentsOfFile:@"/tmp/in" encoding:NSUTF8StringEncoding error:&error];
    if (error) {
        return nil;
    }
    if (text == nil) {
        return @"";
    }
    return text;
}
@end

//--- the call itself tested as the condition clears it
@implementation Store
- (void)persist {
    NSError *error = nil;
    if (![self save:&error]) {
        NSLog(@"failed");
    }
    if (error) {
        NSLog(@"%@", error);
    }
}
@end

//--- void methods, forwarded error parameters and tests in while or ?: are not reported
@implementation Store
- (void)clear {
    NSError *error = nil;
    [self reset:&error];
    if (error) {
        NSLog(@"%@", error);
    }
}
- (BOOL)persist:(NSError **)error {
    [self save:error];
    if (error) {
        return NO;
    }
    return YES;
}
- (NSString *)retry {
    NSError *error = nil;
    [self save:&error];
    while (error) {
        error = nil;
    }
    return error ? @"failed" : @"saved";
}
@end

//--- the value assigned to a property is not reported
@implementation Store
- (void)persist {
    NSError *error = nil;
    self.saved = [self save:&error];
    if (error) {
        NSLog(@"%@", error);
    }
}
@end

//--- two calls filling one variable before one test give one finding at that test
@implementation Store
- (void)persistTwice {
    NSError *error = nil;
    [self save:&error];
    [self load:@"a" error:&error];
    if (↓error) {
        NSLog(@"%@", error);
    }
}
@end

//--- two calls storing their values in different variables give two findings at one test
@implementation Store
- (void)persistTwice {
    NSError *error = nil;
    BOOL saved = [self save:&error];
    NSString *loaded = [self load:@"a" error:&error];
    if (↓↓error) {
        NSLog(@"%@ %d %@", error, saved, loaded);
    }
}
@end

//--- a message as the argument of a C function call standing alone is not recorded
@implementation Store
- (void)report {
    NSError *error = nil;
    NSLog(@"%@", [self load:@"a" error:&error]);
    if (error) {
        return;
    }
}
@end

//--- inside an initialiser the same message is recorded with the variable
@implementation Store
- (void)report {
    NSError *error = nil;
    NSString *line = [NSString stringWithFormat:@"%@", [self load:@"a" error:&error]];
    if (↓error) {
// expect-info: stored in the line variable
        NSLog(@"%@", line);
    }
}
@end

//--- with only system frameworks, the project's own method is not reported but a system one is
| options: {"onlySystemFrameworks": true}
@implementation Store
- (void)persist:(NSString *)text {
    NSError *error = nil;
    [self save:&error];
    if (error) {
        return;
    }
    NSError *writeError = nil;
    [text writeToFile:@"/tmp/out" atomically:YES encoding:NSUTF8StringEncoding error:&writeError];
    if (↓writeError) {
        return;
    }
}
@end

//--- a test within && or || counts, and in a C function too
BOOL persist(Store *store, BOOL force) {
    NSError *error = nil;
    [store save:&error];
    if (force && ↓error == nil) {
        return YES;
    }
    return NO;
}
