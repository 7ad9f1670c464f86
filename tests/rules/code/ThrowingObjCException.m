#import <Foundation/Foundation.h>

@interface Parser : NSObject
@end

@interface Bell : NSObject
- (void)raise;
@end

//--- @throw and the raise methods of NSException are reported
@implementation Parser
- (void)parse:(NSString *)text exception:(NSException *)exception {
    if (text == nil) {
        ↓@throw exception;
// expect-severity: 3
    }
    if (text.length == 0) {
        ↓[NSException raise:NSInvalidArgumentException format:@"empty text"];
    }
    if (text.length > 100) {
        ↓[exception raise];
    }
}
- (void)fail:(NSString *)format arguments:(va_list)arguments {
    ↓[NSException raise:NSGenericException format:format arguments:arguments];
}
@end

//--- raise sent to an object of another class is not reported
@implementation Parser
- (void)ring:(Bell *)bell {
    [bell raise];
    NSException *exception = [NSException exceptionWithName:NSGenericException reason:nil userInfo:nil];
    (void)exception;
}
@end

//--- by default an abstract-method stub is reported
@implementation Parser
- (void)parse {
    ↓[NSException raise:NSInternalInconsistencyException format:@"subclasses must override %@", NSStringFromSelector(_cmd)];
}
@end

//--- a sole raising statement is allowed when the option says so
| options: {"allowIfSoleStatement": true}
@implementation Parser
- (void)parse {
    [NSException raise:NSInternalInconsistencyException format:@"subclasses must override %@", NSStringFromSelector(_cmd)];
}
+ (void)reset {
    @throw [NSException exceptionWithName:NSGenericException reason:@"abstract" userInfo:nil];
}
@end
void mustOverride(void) { @throw [NSException exceptionWithName:NSGenericException reason:nil userInfo:nil]; }

//--- with the option, a throw after another statement, in an if or in a file-scope block is still reported
| options: {"allowIfSoleStatement": true}
@implementation Parser
- (void)parse {
    NSLog(@"parsing");
    ↓[NSException raise:NSInternalInconsistencyException format:@"not implemented"];
}
- (void)check:(BOOL)ok {
    if (!ok) {
        ↓@throw [NSException exceptionWithName:NSGenericException reason:nil userInfo:nil];
    }
}
@end
static void (^failure)(void) = ^{
    ↓@throw [NSException exceptionWithName:NSGenericException reason:nil userInfo:nil];
};
