#import <Foundation/Foundation.h>

//--- factory methods that return id are reported, in the interface and in the implementation
@interface XYWidget : NSObject
↓+ (id)widgetWithName:(NSString *)name; // expect: id=widgetWithName:
↓+ (id)widgetByCopying:(XYWidget *)other; // expect: id=widgetByCopying:
↓+ (id)widget; // expect: id=widget
@end
@implementation XYWidget
↓+ (id)widgetWithName:(NSString *)name { return [self new]; } // expect: id=widgetWithName:
↓+ (id)widgetByCopying:(XYWidget *)other { return [self new]; }
↓+ (id)widget { return [self new]; }
@end

//--- instancetype, the class's own type and methods not named as factories pass
@interface XYWidget : NSObject
+ (instancetype)widgetWithName:(NSString *)name;
+ (XYWidget *)widgetWithSize:(double)size;
+ (id)sharedWidget;
+ (id)widgets;
- (id)widgetWithName:(NSString *)name;
@end

//--- a factory method returning another class is reported
@interface XYWidget : NSObject
↓+ (NSObject *)widgetWithName:(NSString *)name;
@end

//--- init methods pass by default
@interface XYWidget : NSObject
- (id)initWithName:(NSString *)name;
- (XYWidget *)init;
@end

//--- init methods are reported when asked for, even when they name their own class
| options: {"checkInitMethods": true}
@interface XYWidget : NSObject
↓- (id)initWithName:(NSString *)name; // expect: id=initWithName:
↓- (XYWidget *)init; // expect: id=init
- (instancetype)initWithSize:(double)size;
- (id)initialValue;
+ (instancetype)widget;
@end

//--- a factory method in a category is judged against the class it extends
@interface XYWidget : NSObject
@end
@interface XYWidget (Making)
↓+ (id)widgetWithColor:(id)color; // expect: id=widgetWithColor:
+ (XYWidget *)widgetWithSize:(double)size;
@end
@implementation XYWidget (Making)
↓+ (id)widgetWithColor:(id)color { return [self new]; }
+ (XYWidget *)widgetWithSize:(double)size { return [self new]; }
@end
