#import <Foundation/Foundation.h>

@interface Foo : NSObject
+ (instancetype)foo;
@end
@interface Bar : NSObject
@end

//--- a class allocating itself by name is reported
@implementation Foo
+ (instancetype)foo { return [↓[Foo alloc] init]; } // expect: id=Foo
- (id)twin { return ↓[Foo new]; }
@end

//--- self, the class message and other classes are not
@implementation Foo
+ (instancetype)foo { return [[self alloc] init]; }
- (id)twin { return [[[self class] alloc] init]; }
- (Class)kind { return [Foo class]; }
- (id)other { return [Bar new]; }
@end

//--- a category of the project's own class is reported, one of a system class is not
@implementation Foo (Copies)
- (id)another { return ↓[Foo new]; }
@end
@implementation NSString (Making)
+ (instancetype)made { return [NSString string]; }
@end

//--- only allocations when asked
| options: {"warnOnlyAboutAlloc": true}
@implementation Foo
+ (instancetype)foo { return [↓[Foo alloc] init]; }
- (id)twin { return [Foo new]; }
@end

//--- only in class factory methods when asked
| options: {"checkOnlyFactoryMethods": true}
@implementation Foo
+ (instancetype)foo { return [↓[Foo alloc] init]; }
+ (instancetype)fooWithThing:(id)thing { return [↓[Foo alloc] init]; }
+ (void)setUp { (void)[Foo new]; }
- (id)twin { return [Foo new]; }
@end
