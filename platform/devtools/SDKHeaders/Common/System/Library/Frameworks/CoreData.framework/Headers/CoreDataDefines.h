/* CoreDataDefines.h: the export macros of Core Data. */
#import <Foundation/Foundation.h>

#define COREDATA_EXTERN extern __attribute__((visibility("default")))
