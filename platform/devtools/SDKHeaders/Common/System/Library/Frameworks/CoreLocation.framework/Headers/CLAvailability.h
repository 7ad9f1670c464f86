/* CLAvailability.h: the declaration macros of Core Location. */
#import <Availability.h>
#import <TargetConditionals.h>

#if defined(__cplusplus)
#define CL_EXTERN extern "C" __attribute__((visibility("default")))
#else
#define CL_EXTERN extern __attribute__((visibility("default")))
#endif
