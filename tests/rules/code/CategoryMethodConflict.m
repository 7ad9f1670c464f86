#import <UIKit/UIKit.h>

//--- two categories of a class implementing one method are both reported
@implementation NSString (Trimming)
↓- (NSString *)trim {
    return self;
}
@end
@implementation NSString (Cleaning)
↓- (NSString *)trim {
    return self;
}
@end

//--- an instance and a class method of one name do not conflict
@implementation NSString (Trimming)
- (NSString *)trim {
    return self;
}
@end
@implementation NSString (Cleaning)
+ (NSString *)trim {
    return @"";
}
@end

//--- a method of a framework category of the class is reported
@implementation NSString (Whitespace)
↓- (NSString *)stringByTrimmingCharactersInSet:(NSCharacterSet *)set {
    return self;
}
@end

//--- a framework category of a superclass counts, a class method of the same name does not
@implementation UIView (Lookup)
↓- (id)valueForKey:(NSString *)key {
    return nil;
}
+ (id)valueForKey:(NSString *)key {
    return nil;
}
@end

//--- +load, a class's own implementation and a method in one category only are never reported
@interface Thing : NSObject
@end
@implementation Thing
- (void)trim {
}
+ (void)load {
}
@end
@implementation Thing (Loading)
+ (void)load {
}
- (void)shine {
}
@end
@implementation Thing (Other)
+ (void)load {
}
@end

//--- a method declared in the category's interface and defined in its implementation is reported once per category
@interface NSString (Trimming)
- (NSString *)trim;
@end
@implementation NSString (Trimming)
↓- (NSString *)trim {
    return self;
}
@end
@implementation NSString (Cleaning)
↓- (NSString *)trim {
    return self;
}
@end
