/* CoreDataDefines.h: the linkage macros of Core Data's exported symbols. */
#import <Foundation/NSObjCRuntime.h>

#if defined(__cplusplus)
#define COREDATA_EXTERN extern "C" __attribute__((visibility("default")))
#else
#define COREDATA_EXTERN extern __attribute__((visibility("default")))
#endif

COREDATA_EXTERN double NSCoreDataVersionNumber;
