#import <UIKit/UIKit.h>
#import <CoreData/CoreData.h>

@interface Person : NSObject
@property (nonatomic, copy) NSString *name;
@end

@interface Company : NSObject
@property (nonatomic, copy) NSArray<Person *> *employees;
@end

//--- a literal key of a class of the project is reported at the literal
@implementation Company
- (id)nameOf:(Person *)person {
    [person setValue:@"Ann" forKey:↓@"name"];
    [person addObserver:self forKeyPath:↓@"name" options:0 context:NULL];
    [person willChangeValueForKey:↓@"name"];
    [Person automaticallyNotifiesObserversForKey:↓@"name"];
    return [person valueForKey:↓@"name"];
}
@end

//--- a key path with a collection operator is not reported, a plain key path is
@implementation Company
- (void)count {
    [self valueForKeyPath:@"employees.@count"];
    [self valueForKeyPath:@"employees.@distinctUnionOfObjects.name"];
    [self valueForKeyPath:↓@"address.city"];
}
@end

//--- keys from selectors, variables and constants are not reported, nor assignments
@implementation Company
- (void)observe:(Person *)person key:(NSString *)key {
    [person addObserver:self forKeyPath:NSStringFromSelector(@selector(name)) options:0 context:NULL];
    [person valueForKey:key];
    [person valueForKey:NSStringFromSelector(@selector(name))];
    person.name = @"name";
}
@end

//--- dictionaries are exempt whatever the option
| options: {"ignoreCollectionsValueForKey": false}
@implementation Company
- (void)read:(NSDictionary *)dictionary into:(NSMutableDictionary *)mutableDictionary {
    [dictionary valueForKey:@"name"];
    [dictionary valueForKeyPath:@"name.first"];
    [mutableDictionary valueForKey:@"name"];
    [mutableDictionary setValue:@"Ann" forKey:@"name"];
    [mutableDictionary setValue:@"Ann" forKeyPath:@"name.first"];
}
@end

//--- collections are exempt for the accessors by default
@implementation Company
- (void)read:(NSArray *)array set:(NSSet *)set ordered:(NSOrderedSet *)ordered {
    [array valueForKey:@"name"];
    [array setValue:@"Ann" forKey:@"name"];
    [set valueForKey:@"name"];
    [ordered setValue:@"Ann" forKey:@"name"];
    [array valueForKeyPath:@"name.first"];
}
@end

//--- collections are reported when the option is off, and for other methods always
| options: {"ignoreCollectionsValueForKey": false}
@implementation Company
- (void)read:(NSArray *)array set:(NSSet *)set ordered:(NSOrderedSet *)ordered {
    [array valueForKey:↓@"name"];
    [array setValue:@"Ann" forKey:↓@"name"];
    [set valueForKey:↓@"name"];
    [ordered setValue:@"Ann" forKey:↓@"name"];
}
- (void)mutate:(NSArray *)array {
    [array mutableArrayValueForKey:↓@"names"];
}
@end

//--- layers, animations and motion effects are exempt, also as subclasses
@interface GlowLayer : CALayer
@end
@implementation Company
- (void)style:(CALayer *)layer glow:(GlowLayer *)glow animation:(CABasicAnimation *)animation effect:(UIInterpolatingMotionEffect *)effect {
    [layer setValue:@1 forKey:@"custom"];
    [glow setValue:@1 forKey:@"custom"];
    [glow valueForKeyPath:@"transform.scale"];
    [animation setValue:@"fade" forKey:@"name"];
    [effect setValue:@1 forKey:@"custom"];
}
@end

//--- sort descriptors, expressions, emitter cells and fetched results controllers name key paths too
@implementation Company
- (void)sortWith:(NSFetchRequest *)request context:(NSManagedObjectContext *)context object:(NSManagedObject *)object {
    [NSSortDescriptor sortDescriptorWithKey:↓@"name" ascending:YES];
    [[NSSortDescriptor alloc] initWithKey:↓@"name" ascending:NO selector:@selector(compare:)];
    [NSExpression expressionForKeyPath:↓@"name"];
    [CAEmitterCell defaultValueForKey:↓@"birthRate"];
    [[CAEmitterCell emitterCell] shouldArchiveValueForKey:↓@"birthRate"];
    [[NSFetchedResultsController alloc] initWithFetchRequest:request managedObjectContext:context sectionNameKeyPath:↓@"section" cacheName:@"cache"];
    [object primitiveValueForKey:↓@"name"];
    [object willAccessValueForKey:↓@"name"];
}
@end

//--- an array's own observer methods are reported at their key path
@implementation Company
- (void)watch:(NSArray *)array indexes:(NSIndexSet *)indexes {
    [array addObserver:self toObjectsAtIndexes:indexes forKeyPath:↓@"name" options:0 context:NULL];
    [array removeObserver:self forKeyPath:↓@"name"];
}
@end
