/* pwr_mgt/IOPMLibDefs.h: the kinds of user activity that power management records. */
#ifndef _IOKIT_PWR_MGT_IOPMLIBDEFS_H
#define _IOKIT_PWR_MGT_IOPMLIBDEFS_H

typedef enum {
    kIOPMUserActiveLocal,
    kIOPMUserActiveRemote
} IOPMUserActiveType;

#endif /* _IOKIT_PWR_MGT_IOPMLIBDEFS_H */
