/* objc/objc-exception.h: throwing Objective-C exceptions and handling uncaught ones. */
#ifndef __OBJC_EXCEPTION_H_
#define __OBJC_EXCEPTION_H_

#include <objc/objc.h>

typedef void (*objc_uncaught_exception_handler)(id _Null_unspecified exception);

OBJC_EXPORT void objc_exception_throw(id _Nonnull exception) __attribute__((noreturn));
OBJC_EXPORT void objc_exception_rethrow(void) __attribute__((noreturn));
OBJC_EXPORT id _Nonnull objc_begin_catch(void *_Nonnull exceptionBuffer);
OBJC_EXPORT void objc_end_catch(void);
OBJC_EXPORT objc_uncaught_exception_handler _Nonnull objc_setUncaughtExceptionHandler(
    objc_uncaught_exception_handler _Nonnull handler);

#endif /* __OBJC_EXCEPTION_H_ */
