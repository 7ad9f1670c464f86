| project: {"classPrefix": "TQX"}
#import <Foundation/Foundation.h>

//--- a class without the project's prefix is reported on its first line
↓@interface Greeter : NSObject // expect: id=Greeter
@end

//--- a class with the prefix is not
@interface TQXGreeter : NSObject
@end

//--- a forward declaration is only a reference to a class
@class Elsewhere;
@interface TQXHolder : NSObject
@property (nonatomic) Elsewhere *elsewhere;
@end

//--- a project without a class prefix is reported once, in no file
| project: {"classPrefix": ""}
@interface Anything : NSObject
@end
// expect-nofile: id=classPrefix
