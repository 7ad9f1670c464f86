/* CoreData.h: the whole Core Data framework. */
#import <CoreData/CoreDataDefines.h>
#import <CoreData/NSManagedObject.h>
#import <CoreData/NSPersistentStore.h>
#import <CoreData/NSIncrementalStore.h>
#import <CoreData/NSAtomicStore.h>
