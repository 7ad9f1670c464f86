/* CoreData.h: the object graph and persistence framework. */
#import <CoreData/CoreDataDefines.h>
#import <CoreData/NSManagedObject.h>
