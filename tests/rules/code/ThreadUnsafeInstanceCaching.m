#import <UIKit/UIKit.h>

//--- a mutable collection in a global or a static variable is reported without instance text
↓static NSMutableDictionary *cache;
↓NSMutableArray *sharedItems;
@interface Store : NSObject
@end
@implementation Store
- (void)remember:(id)value {
    ↓static NSMutableDictionary *values;
    [values setObject:value forKey:@"last"];
}
@end

//--- a static variable declared inside @synchronized is not reported
@interface Store : NSObject
@end
@implementation Store
- (void)remember:(id)value {
    @synchronized(self) {
        static NSMutableDictionary *values;
        [values setObject:value forKey:@"last"];
    }
}
@end

//--- automatic variables, id and classes that are not listed are not reported
static id anything;
static NSString *name;
void remember(id value) {
    NSMutableDictionary *values = [NSMutableDictionary dictionary];
    [values setObject:value forKey:name];
}

//--- a class added to the option is reported
| options: {"classNames": ["NSString"]}
↓static NSString *name;
static NSMutableDictionary *cache;

//--- code of a UIKit subclass runs on the main thread
@interface Controller : UIViewController
@end
@implementation Controller
- (void)viewDidLoad {
    static NSMutableDictionary *values;
    (void)values;
}
@end

//--- a date formatter is reported before iOS 7 with a note on its thread safety
| project: {"deploymentTarget": "6.1"}
↓static NSDateFormatter *formatter;
// expect-info: NSDateFormatter is documented as thread safe since iOS 7.0, but the minimum deployment target is 6.1.
↓static NSMutableSet *seen;

//--- a date formatter is not reported from iOS 7
| project: {"deploymentTarget": "7.0"}
static NSDateFormatter *formatter;
static NSNumberFormatter *numberFormatter;

//--- a static cache in a UIView subclass runs on the main thread; one in a plain class beside it is reported
@interface Badge : UIView
+ (UIImage *)imageNamed:(NSString *)name;
@end
@implementation Badge
static NSMutableDictionary *images;
+ (UIImage *)imageNamed:(NSString *)name {
    static NSMutableDictionary *cache;
    static dispatch_once_t once;
    dispatch_once(&once, ^{
        cache = [NSMutableDictionary dictionary];
    });
    return cache[name] ?: images[name];
}
static NSMutableDictionary *sharedColours(void) {
    static NSMutableDictionary *colours;
    return colours;
}
@end
@interface Store : NSObject
@end
@implementation Store
- (void)remember:(id)value {
    ↓static NSMutableDictionary *values;
    [values setObject:value forKey:@"last"];
}
@end
