/* UTDefines.h: the declaration macros of UniformTypeIdentifiers. */
#ifndef __UNIFORMTYPEIDENTIFIERS_UTDEFINES__
#define __UNIFORMTYPEIDENTIFIERS_UTDEFINES__

#import <Foundation/Foundation.h>

#if defined(__cplusplus)
#define UT_EXPORT extern "C" __attribute__((visibility("default")))
#else
#define UT_EXPORT extern __attribute__((visibility("default")))
#endif

#endif /* __UNIFORMTYPEIDENTIFIERS_UTDEFINES__ */
