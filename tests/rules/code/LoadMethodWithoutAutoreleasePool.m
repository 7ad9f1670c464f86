| project: {"platform": "iphoneos", "deploymentTarget": "5.1", "arc": false}
#import <Foundation/Foundation.h>

@interface Swizzler : NSObject
+ (void)swizzle;
@end

//--- a +load without a pool is reported, also with an empty body
@implementation Swizzler
↓+ (void)load { [self swizzle]; }
+ (void)swizzle {}
@end
@interface Empty : NSObject
@end
@implementation Empty
↓+ (void)load {}
@end

//--- an @autoreleasepool block anywhere in the body sets up a pool
@implementation Swizzler
+ (void)load {
    [self class];
    if ([self class]) {
        @autoreleasepool {
            [self swizzle];
        }
    }
}
+ (void)swizzle {}
@end

//--- so does an NSAutoreleasePool created by the method
@implementation Swizzler
+ (void)load {
    NSAutoreleasePool *pool = [[NSAutoreleasePool alloc] init];
    [self swizzle];
    [pool drain];
}
+ (void)swizzle {}
@end

//--- a declaration without a body, an instance method load and another class's allocation are not reported
@interface Loader : NSObject
+ (void)load;
- (void)load;
@end
@implementation Loader
- (void)load { [self description]; }
@end
@implementation Swizzler
↓+ (void)load { [[NSObject alloc] init]; }
+ (void)swizzle {}
@end

//--- a deployment target of iOS 6 or later leaves the rule out
| project: {"platform": "iphoneos", "deploymentTarget": "6.0", "arc": false}
@implementation Swizzler
+ (void)load { [self swizzle]; }
+ (void)swizzle {}
@end

//--- on OS X only targets before 10.8 are checked
| project: {"platform": "macosx", "deploymentTarget": "10.7", "arc": false}
@implementation Swizzler
↓+ (void)load { [self swizzle]; }
+ (void)swizzle {}
@end

//--- OS X 10.8 is not checked
| project: {"platform": "macosx", "deploymentTarget": "10.8", "arc": false}
@implementation Swizzler
+ (void)load { [self swizzle]; }
+ (void)swizzle {}
@end
