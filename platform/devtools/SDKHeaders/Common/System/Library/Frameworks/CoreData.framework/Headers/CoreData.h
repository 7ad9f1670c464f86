/* CoreData.h: the whole Core Data framework: managed objects, their contexts, fetch requests and controllers. */
#import <Foundation/Foundation.h>

#import <CoreData/CoreDataDefines.h>
#import <CoreData/NSEntityDescription.h>
#import <CoreData/NSManagedObject.h>
#import <CoreData/NSManagedObjectContext.h>
#import <CoreData/NSFetchRequest.h>
#import <CoreData/NSFetchedResultsController.h>
#import <CoreData/NSPersistentStore.h>
#import <CoreData/NSIncrementalStore.h>
#import <CoreData/NSAtomicStore.h>
