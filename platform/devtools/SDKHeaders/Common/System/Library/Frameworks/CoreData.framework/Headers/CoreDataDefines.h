/* CoreDataDefines.h: the declaration macros of Core Data. */
#import <Availability.h>
#import <TargetConditionals.h>

#if defined(__cplusplus)
#define COREDATA_EXTERN extern "C" __attribute__((visibility("default")))
#else
#define COREDATA_EXTERN extern __attribute__((visibility("default")))
#endif

COREDATA_EXTERN double NSCoreDataVersionNumber;
