/* objc/objc-sync.h: the recursive per-object locks behind @synchronized. */
#ifndef __OBJC_SNYC_H_
#define __OBJC_SNYC_H_

#include <objc/objc.h>

enum {
    OBJC_SYNC_SUCCESS = 0,
    OBJC_SYNC_NOT_OWNING_THREAD_ERROR = -1
};

OBJC_EXPORT int objc_sync_enter(id _Nonnull obj);
OBJC_EXPORT int objc_sync_exit(id _Nonnull obj);

#endif /* __OBJC_SNYC_H_ */
