/*
 * IOKitLib.h: the I/O Kit's user-space interface: matching and iterating services, reading registry properties,
 * opening connections to drivers and receiving notifications.
 */
#ifndef _IOKIT_IOKITLIB_H
#define _IOKIT_IOKITLIB_H

#include <sys/cdefs.h>
#include <sys/types.h>
#include <mach/mach_types.h>
#include <mach/mach_init.h>
#include <CoreFoundation/CoreFoundation.h>
#include <IOKit/IOTypes.h>
#include <IOKit/IOKitKeys.h>
#include <IOKit/IOReturn.h>
#include <dispatch/dispatch.h>
#include <Availability.h>

typedef struct IONotificationPort *IONotificationPortRef;
typedef void (*IOServiceMatchingCallback)(void *refcon, io_iterator_t iterator);
typedef void (*IOServiceInterestCallback)(void *refcon, io_service_t service, uint32_t messageType,
                                          void *messageArgument);

enum {
    kIORegistryIterateRecursively = 0x00000001,
    kIORegistryIterateParents = 0x00000002
};

__BEGIN_DECLS
extern const mach_port_t kIOMainPortDefault API_AVAILABLE(macos(12.0));
extern const mach_port_t kIOMasterPortDefault API_DEPRECATED_WITH_REPLACEMENT("kIOMainPortDefault", macos(10.0, 12.0));

kern_return_t IOMainPort(mach_port_t bootstrapPort, mach_port_t *mainPort) API_AVAILABLE(macos(12.0));
kern_return_t IOMasterPort(mach_port_t bootstrapPort, mach_port_t *mainPort)
    API_DEPRECATED_WITH_REPLACEMENT("IOMainPort", macos(10.0, 12.0));
IONotificationPortRef IONotificationPortCreate(mach_port_t mainPort);
void IONotificationPortDestroy(IONotificationPortRef notify);
CFRunLoopSourceRef IONotificationPortGetRunLoopSource(IONotificationPortRef notify);
mach_port_t IONotificationPortGetMachPort(IONotificationPortRef notify);
void IONotificationPortSetDispatchQueue(IONotificationPortRef notify, dispatch_queue_t queue);

kern_return_t IOObjectRelease(io_object_t object);
kern_return_t IOObjectRetain(io_object_t object);
kern_return_t IOObjectGetClass(io_object_t object, io_name_t className);
CFStringRef IOObjectCopyClass(io_object_t object);
boolean_t IOObjectConformsTo(io_object_t object, const io_name_t className);
boolean_t IOObjectIsEqualTo(io_object_t object, io_object_t anObject);
uint32_t IOObjectGetKernelRetainCount(io_object_t object);
uint32_t IOObjectGetUserRetainCount(io_object_t object);

io_object_t IOIteratorNext(io_iterator_t iterator);
void IOIteratorReset(io_iterator_t iterator);
boolean_t IOIteratorIsValid(io_iterator_t iterator);

io_service_t IOServiceGetMatchingService(mach_port_t mainPort, CFDictionaryRef matching);
kern_return_t IOServiceGetMatchingServices(mach_port_t mainPort, CFDictionaryRef matching,
                                           io_iterator_t *existing);
kern_return_t IOServiceAddNotification(mach_port_t mainPort, const io_name_t notificationType,
                                       CFDictionaryRef matching, mach_port_t wakePort, uintptr_t reference,
                                       io_iterator_t *notification);
kern_return_t IOServiceAddMatchingNotification(IONotificationPortRef notifyPort, const io_name_t notificationType,
                                               CFDictionaryRef matching, IOServiceMatchingCallback callback,
                                               void *refCon, io_iterator_t *notification);
kern_return_t IOServiceAddInterestNotification(IONotificationPortRef notifyPort, io_service_t service,
                                               const io_name_t interestType, IOServiceInterestCallback callback,
                                               void *refCon, io_object_t *notification);
kern_return_t IOServiceMatchPropertyTable(io_service_t service, CFDictionaryRef matching, boolean_t *matches);
kern_return_t IOServiceGetBusyState(io_service_t service, uint32_t *busyState);
kern_return_t IOServiceWaitQuiet(io_service_t service, mach_timespec_t *waitTime);
kern_return_t IOKitGetBusyState(mach_port_t mainPort, uint32_t *busyState);
kern_return_t IOKitWaitQuiet(mach_port_t mainPort, mach_timespec_t *waitTime);
kern_return_t IOServiceOpen(io_service_t service, task_port_t owningTask, uint32_t type, io_connect_t *connect);
kern_return_t IOServiceRequestProbe(io_service_t service, uint32_t options);
kern_return_t IOServiceClose(io_connect_t connect);
kern_return_t IOConnectAddRef(io_connect_t connect);
kern_return_t IOConnectRelease(io_connect_t connect);
kern_return_t IOConnectGetService(io_connect_t connect, io_service_t *service);
kern_return_t IOConnectSetNotificationPort(io_connect_t connect, uint32_t type, mach_port_t port,
                                           uintptr_t reference);
kern_return_t IOConnectCallMethod(mach_port_t connection, uint32_t selector, const uint64_t *input,
                                  uint32_t inputCnt, const void *inputStruct, size_t inputStructCnt,
                                  uint64_t *output, uint32_t *outputCnt, void *outputStruct,
                                  size_t *outputStructCnt);
kern_return_t IOConnectCallScalarMethod(mach_port_t connection, uint32_t selector, const uint64_t *input,
                                        uint32_t inputCnt, uint64_t *output, uint32_t *outputCnt);
kern_return_t IOConnectCallStructMethod(mach_port_t connection, uint32_t selector, const void *inputStruct,
                                        size_t inputStructCnt, void *outputStruct, size_t *outputStructCnt);
kern_return_t IOConnectSetCFProperty(io_connect_t connect, CFStringRef propertyName, CFTypeRef property);
kern_return_t IOConnectSetCFProperties(io_connect_t connect, CFTypeRef properties);

io_registry_entry_t IORegistryGetRootEntry(mach_port_t mainPort);
io_registry_entry_t IORegistryEntryFromPath(mach_port_t mainPort, const io_string_t path);
kern_return_t IORegistryCreateIterator(mach_port_t mainPort, const io_name_t plane, IOOptionBits options,
                                       io_iterator_t *iterator);
kern_return_t IORegistryEntryCreateIterator(io_registry_entry_t entry, const io_name_t plane, IOOptionBits options,
                                            io_iterator_t *iterator);
kern_return_t IORegistryEntryGetName(io_registry_entry_t entry, io_name_t name);
kern_return_t IORegistryEntryGetNameInPlane(io_registry_entry_t entry, const io_name_t plane, io_name_t name);
kern_return_t IORegistryEntryGetLocationInPlane(io_registry_entry_t entry, const io_name_t plane,
                                                io_name_t location);
kern_return_t IORegistryEntryGetPath(io_registry_entry_t entry, const io_name_t plane, io_string_t path);
kern_return_t IORegistryEntryGetRegistryEntryID(io_registry_entry_t entry, uint64_t *entryID);
kern_return_t IORegistryEntryCreateCFProperties(io_registry_entry_t entry, CFMutableDictionaryRef *properties,
                                                CFAllocatorRef allocator, IOOptionBits options);
CFTypeRef IORegistryEntryCreateCFProperty(io_registry_entry_t entry, CFStringRef key, CFAllocatorRef allocator,
                                          IOOptionBits options);
CFTypeRef IORegistryEntrySearchCFProperty(io_registry_entry_t entry, const io_name_t plane, CFStringRef key,
                                          CFAllocatorRef allocator, IOOptionBits options);
kern_return_t IORegistryEntrySetCFProperties(io_registry_entry_t entry, CFTypeRef properties);
kern_return_t IORegistryEntrySetCFProperty(io_registry_entry_t entry, CFStringRef propertyName, CFTypeRef property);
kern_return_t IORegistryEntryGetChildIterator(io_registry_entry_t entry, const io_name_t plane,
                                              io_iterator_t *iterator);
kern_return_t IORegistryEntryGetChildEntry(io_registry_entry_t entry, const io_name_t plane,
                                           io_registry_entry_t *child);
kern_return_t IORegistryEntryGetParentIterator(io_registry_entry_t entry, const io_name_t plane,
                                               io_iterator_t *iterator);
kern_return_t IORegistryEntryGetParentEntry(io_registry_entry_t entry, const io_name_t plane,
                                            io_registry_entry_t *parent);
boolean_t IORegistryEntryInPlane(io_registry_entry_t entry, const io_name_t plane);

CFMutableDictionaryRef IOServiceMatching(const char *name);
CFMutableDictionaryRef IOServiceNameMatching(const char *name);
CFMutableDictionaryRef IOBSDNameMatching(mach_port_t mainPort, uint32_t options, const char *bsdName);
CFMutableDictionaryRef IORegistryEntryIDMatching(uint64_t entryID);
__END_DECLS

#endif /* _IOKIT_IOKITLIB_H */
