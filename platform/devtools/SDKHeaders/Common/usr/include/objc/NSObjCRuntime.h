/* objc/NSObjCRuntime.h: the integer types of the Objective-C runtime and Foundation. */
#ifndef _OBJC_NSOBJCRUNTIME_H_
#define _OBJC_NSOBJCRUNTIME_H_

#include <TargetConditionals.h>
#include <objc/objc.h>

#if defined(__LP64__)
typedef long NSInteger;
typedef unsigned long NSUInteger;
#else
typedef int NSInteger;
typedef unsigned int NSUInteger;
#endif

#define NSIntegerMax __LONG_MAX__
#define NSIntegerMin (-__LONG_MAX__ - 1L)
#define NSUIntegerMax (__LONG_MAX__ * 2UL + 1UL)

#define NSINTEGER_DEFINED 1

#endif /* _OBJC_NSOBJCRUNTIME_H_ */
