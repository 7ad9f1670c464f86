/*
 * objc/message.h: sending messages through the runtime's dispatch functions. With OBJC_OLD_DISPATCH_PROTOTYPES
 * set to 0 (strict checking of objc_msgSend calls), they must be cast to the method's function type before use.
 */
#ifndef _OBJC_MESSAGE_H
#define _OBJC_MESSAGE_H

#include <objc/objc.h>
#include <objc/runtime.h>

#pragma clang assume_nonnull begin

/* The receiver and the class whose superclass starts the method lookup, for objc_msgSendSuper. */
struct objc_super {
    __unsafe_unretained _Nonnull id receiver;
    __unsafe_unretained _Nonnull Class super_class;
};

#if !OBJC_OLD_DISPATCH_PROTOTYPES
/* The compiler knows the dispatch functions with their old prototypes; these declarations differ on purpose. */
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wincompatible-library-redeclaration"
OBJC_EXPORT void objc_msgSend(void);
OBJC_EXPORT void objc_msgSendSuper(void);
#if !defined(__arm64__) && !defined(__aarch64__)
OBJC_EXPORT void objc_msgSend_stret(void);
OBJC_EXPORT void objc_msgSendSuper_stret(void);
#endif
#if defined(__x86_64__) || defined(__i386__)
OBJC_EXPORT void objc_msgSend_fpret(void);
#endif
#pragma clang diagnostic pop
#else
OBJC_EXPORT id _Nullable objc_msgSend(id _Nullable self, SEL _Nonnull op, ...);
OBJC_EXPORT id _Nullable objc_msgSendSuper(struct objc_super *_Nonnull super, SEL _Nonnull op, ...);
#if !defined(__arm64__) && !defined(__aarch64__)
OBJC_EXPORT void objc_msgSend_stret(id _Nullable self, SEL _Nonnull op, ...);
OBJC_EXPORT void objc_msgSendSuper_stret(struct objc_super *_Nonnull super, SEL _Nonnull op, ...);
#endif
#if defined(__x86_64__) || defined(__i386__)
OBJC_EXPORT long double objc_msgSend_fpret(id _Nullable self, SEL _Nonnull op, ...);
#endif
#endif

/* The forwarding entry points: an implementation that sends a message through -forwardInvocation:. The plain one
 * has the prototype of an IMP, so that it can stand as a method's implementation without a cast. */
OBJC_EXPORT id _Nullable _objc_msgForward(id _Nonnull receiver, SEL _Nonnull sel, ...);
#if !defined(__arm64__) && !defined(__aarch64__)
OBJC_EXPORT void _objc_msgForward_stret(void);
#endif

OBJC_EXPORT id _Nullable method_invoke(id _Nullable receiver, Method _Nonnull m, ...)
    __attribute__((availability(ios, introduced = 2.0)));

#pragma clang assume_nonnull end

#endif /* _OBJC_MESSAGE_H */
