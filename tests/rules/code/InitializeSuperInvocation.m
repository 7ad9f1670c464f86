#import <Foundation/Foundation.h>

@interface Base : NSObject
@end
@implementation Base
@end

//--- +initialize passing the message on to super is reported
@interface Thing : Base
@end
@implementation Thing
+ (void)initialize {
    ↓[super initialize];
}
@end

//--- also from a block inside +initialize
@interface Thing : Base
@end
@implementation Thing
+ (void)initialize {
    void (^setUp)(void) = ^{
        ↓[super initialize];
    };
    setUp();
}
@end

//--- other methods, and receivers other than super, are not reported
@interface Thing : Base
- (void)initialize;
@end
@implementation Thing
+ (void)load {
    [super initialize];
}
- (void)initialize {
    [Base initialize];
}
+ (void)initialize {
    [NSObject initialize];
    [[self superclass] initialize];
}
@end
