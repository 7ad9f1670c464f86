/* notify_keys.h: the names of the notifications the system posts. */
#ifndef _NOTIFY_KEYS_H_
#define _NOTIFY_KEYS_H_

#define kNotifyClockSet "com.apple.system.clock_set"
#define kNotifyTimeZoneChange "com.apple.system.timezone"
#define kNotifyDSCacheInvalidation "com.apple.system.DirectoryService.InvalidateCache"
#define kNotifySCHostNameChange "com.apple.system.hostname"
#define kNotifySCNetworkChange "com.apple.system.config.network_change"
#define kNotifyVFSMount "com.apple.system.kernel.mount"
#define kNotifyVFSUnmount "com.apple.system.kernel.unmount"
#define kNotifyVFSUpdate "com.apple.system.kernel.mountupdate"
#define kNotifyVFSLowDiskSpace "com.apple.system.lowdiskspace"

#endif /* _NOTIFY_KEYS_H_ */
