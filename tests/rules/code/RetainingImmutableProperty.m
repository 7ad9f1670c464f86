#import <Foundation/Foundation.h>

//--- a strong string property in a public header is reported with its semantics
| file: Document.h
@interface Document : NSObject
↓@property (nonatomic, strong) NSString *title;
// expect-info: The title property is declared with strong semantics. This should be copy instead.
@end
| file: Document.m
#import "Document.h"
@implementation Document
@end

//--- every immutable type with a mutable subclass is reported, whatever the retaining attribute
| file: Document.h
@interface Document : NSObject
↓@property (nonatomic, retain) NSAttributedString *attributedTitle;
// expect-info: declared with retain semantics
↓@property (nonatomic, assign) NSArray *pages;
// expect-info: declared with assign semantics
↓@property (nonatomic, unsafe_unretained) NSDictionary *metadata;
// expect-info: declared with unsafe_unretained semantics
↓@property (nonatomic, strong) NSSet<NSString *> *tags;
↓@property (nonatomic, strong) NSOrderedSet *chapters;
↓@property (nonatomic, strong) NSCharacterSet *separators;
↓@property (nonatomic, strong) NSIndexSet *selection;
↓@property (nonatomic, strong) NSURLRequest *request;
↓@property (nonatomic, strong) NSData *contents;
@end
| file: Document.m
#import "Document.h"
@implementation Document
@end

//--- copy, readonly, mutable types, protocol types and other classes are not reported
| file: Document.h
@interface Document : NSObject
@property (nonatomic, copy) NSString *title;
@property (nonatomic, readonly) NSString *identifier;
@property (nonatomic, readonly, strong) NSArray *pages;
@property (nonatomic, strong) NSMutableString *draft;
@property (nonatomic, strong) id<NSCopying> key;
@property (nonatomic, strong) NSNumber *pageCount;
@property (nonatomic, strong) NSDate *created;
@property (nonatomic, weak) id delegate;
@end
| file: Document.m
#import "Document.h"
@implementation Document
@end

//--- without an ownership attribute the default of ARC is named
| file: Document.h
@interface Document : NSObject
↓@property NSString *title;
// expect-info: declared with strong semantics
@end
| file: Document.m
#import "Document.h"
@implementation Document
@end

//--- without ARC the default is assign
| project: {"arc": false}
| file: Document.h
@interface Document : NSObject
↓@property NSString *title;
// expect-info: declared with assign semantics
@end
| file: Document.m
#import "Document.h"
@implementation Document
@end

//--- the properties of managed objects are Core Data's and are not reported
| file: Note.h
#import <CoreData/CoreData.h>
@interface Note : NSManagedObject
@property (nonatomic, strong) NSString *text;
@end
@interface Reminder : Note
@property (nonatomic, strong) NSData *alarm;
@end
| file: Note.m
#import "Note.h"
@implementation Note
@dynamic text;
@end
@implementation Reminder
@dynamic alarm;
@end

//--- a class extension in an implementation file is private and not reported by default
@interface Document : NSObject
@end
@interface Document ()
@property (nonatomic, strong) NSString *title;
@end
@implementation Document
@end

//--- with private properties included, the class extension is reported
| options: {"ignorePrivateProperties": false}
@interface Document : NSObject
@end
@interface Document ()
↓@property (nonatomic, strong) NSString *title;
@end
@implementation Document
@end

//--- private headers are not reported by default
| file: Document.h
@interface Document : NSObject
@end
| file: Document+Private.h
#import "Document.h"
@interface Document ()
@property (nonatomic, strong) NSString *title;
@end
| file: DocumentPrivate.h
#import "Document.h"
@interface Document (Internal)
@property (nonatomic, strong) NSString *subtitle;
@end
| file: Document.m
#import "Document+Private.h"
#import "DocumentPrivate.h"
@implementation Document
@end
@implementation Document (Internal)
@dynamic subtitle;
@end

//--- with private properties included, private headers are reported too
| options: {"ignorePrivateProperties": false}
| file: Document.h
@interface Document : NSObject
@end
| file: Document+Private.h
#import "Document.h"
@interface Document ()
↓@property (nonatomic, strong) NSString *title;
@end
| file: Document.m
#import "Document+Private.h"
@implementation Document
@end
