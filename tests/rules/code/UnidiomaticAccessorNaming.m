#import <Foundation/Foundation.h>

//--- a getter named getSomething is reported
@interface Thing : NSObject
↓- (NSString *)getName; // expect: id=-[Thing getName]
// expect-info: In Cocoa, it is idiomatic for accessor methods to be named in the form something instead of e.g. getSomething.
@end

//--- names that only begin with get, take arguments, return nothing or belong to the class are not
@interface Other : NSObject
- (NSString *)getter;
- (NSString *)getName:(int)index;
- (void)getNumbers;
+ (NSString *)getName;
@end
