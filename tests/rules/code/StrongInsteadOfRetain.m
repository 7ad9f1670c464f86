#import <Foundation/Foundation.h>

//--- a retain property of a header is reported once, while its own implementation file is compiled
| file: Person.h
@interface Person : NSObject
↓@property (nonatomic, retain) NSString *name; // expect: id=name
@property (nonatomic, strong) NSString *nickname;
@property (nonatomic, copy) NSString *title;
@property (nonatomic, assign) NSInteger age;
@end
| file: Person.m
#import "Person.h"
@implementation Person
@end
| file: Team.m
#import "Person.h"
@interface Team : NSObject
@property (nonatomic, strong) Person *leader;
@end
@implementation Team
@end

//--- a header without an implementation file of its name is never judged
| file: Person.h
@interface Person : NSObject
@property (nonatomic, retain) NSString *name;
@end
| file: Team.m
#import "Person.h"
@implementation Person
@end

//--- the header's name must match the implementation file's exactly
| file: person.h
@interface Person : NSObject
@property (nonatomic, retain) NSString *name;
@end
| file: Person.m
#import "person.h"
@implementation Person
@end

//--- a retain property of a class extension in an implementation file is reported
@interface Person : NSObject
@end
@interface Person ()
↓@property (retain) NSObject *cache; // expect: id=cache
@end
@implementation Person
@end

//--- files compiled without ARC may use retain
| project: {"arc": false}
| file: Person.h
@interface Person : NSObject
@property (nonatomic, retain) NSString *name;
@end
| file: Person.m
#import "Person.h"
@interface Person ()
@property (retain) NSObject *cache;
@end
@implementation Person
@end
