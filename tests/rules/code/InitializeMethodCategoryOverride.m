#import <Foundation/Foundation.h>

//--- +initialize defined in a category is reported
@implementation NSString (MyAdditions)
↓+ (void)initialize {
}
@end

//--- +initialize in the class's own implementation, or declared in a category interface, is not
@interface Thing : NSObject
@end
@interface Thing (Setup)
+ (void)initialize;
@end
@implementation Thing
+ (void)initialize {
}
@end

//--- +load and an instance method -initialize in a category are not reported
@implementation NSString (MyAdditions)
+ (void)load {
}
- (void)initialize {
}
@end
