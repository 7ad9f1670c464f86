/* hidsystem/IOHIDLib.h: the HID system's connection: modifier lock state and event parameters. */
#ifndef _IOKIT_HIDSYSTEM_IOHIDLIB_H
#define _IOKIT_HIDSYSTEM_IOHIDLIB_H

#include <IOKit/IOKitLib.h>
#include <IOKit/hidsystem/IOHIDParameter.h>

#define kIOHIDSystemClass "IOHIDSystem"

__BEGIN_DECLS
kern_return_t IOHIDGetModifierLockState(io_connect_t handle, int selector, bool *state);
kern_return_t IOHIDSetModifierLockState(io_connect_t handle, int selector, bool state);
kern_return_t IOHIDGetParameter(io_connect_t handle, CFStringRef key, IOByteCount maxSize, void *bytes,
                                IOByteCount *actualSize);
kern_return_t IOHIDSetParameter(io_connect_t handle, CFStringRef key, const void *bytes, IOByteCount size);
kern_return_t IOHIDCopyCFTypeParameter(io_connect_t handle, CFStringRef key, CFTypeRef *parameter);
kern_return_t IOHIDSetCFTypeParameter(io_connect_t handle, CFStringRef key, CFTypeRef parameter);
kern_return_t IOHIDGetAccelerationWithKey(io_connect_t handle, CFStringRef key, double *acceleration);
kern_return_t IOHIDSetAccelerationWithKey(io_connect_t handle, CFStringRef key, double acceleration);
__END_DECLS

#endif /* _IOKIT_HIDSYSTEM_IOHIDLIB_H */
