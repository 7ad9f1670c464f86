/* CTRunDelegate.h: delegates that give a run its ascent, descent and width, for attachments laid into text. */
#ifndef __CTRUNDELEGATE__
#define __CTRUNDELEGATE__

#include <CoreText/CTDefines.h>
#include <CoreText/CTRun.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(id) __CTRunDelegate *CTRunDelegateRef;

CT_EXPORT CFTypeID CTRunDelegateGetTypeID(void);

typedef void (*CTRunDelegateDeallocateCallback)(void *refCon);
typedef CGFloat (*CTRunDelegateGetAscentCallback)(void *refCon);
typedef CGFloat (*CTRunDelegateGetDescentCallback)(void *refCon);
typedef CGFloat (*CTRunDelegateGetWidthCallback)(void *refCon);

typedef struct {
    CFIndex version;
    CTRunDelegateDeallocateCallback _Nullable dealloc;
    CTRunDelegateGetAscentCallback _Nullable getAscent;
    CTRunDelegateGetDescentCallback _Nullable getDescent;
    CTRunDelegateGetWidthCallback _Nullable getWidth;
} CTRunDelegateCallbacks;

enum {
    kCTRunDelegateVersion1 = 1,
    kCTRunDelegateCurrentVersion = kCTRunDelegateVersion1
};

CT_EXPORT CTRunDelegateRef _Nullable CTRunDelegateCreate(const CTRunDelegateCallbacks *callbacks,
                                                         void *_Nullable refCon);
CT_EXPORT void *CTRunDelegateGetRefCon(CTRunDelegateRef runDelegate);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTRUNDELEGATE__ */
