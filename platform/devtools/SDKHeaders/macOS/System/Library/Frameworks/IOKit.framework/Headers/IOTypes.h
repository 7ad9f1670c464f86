/* IOTypes.h: the basic types of the I/O Kit: objects, registry entries, services, iterators and fixed-point values. */
#ifndef __IOKIT_IOTYPES_H
#define __IOKIT_IOTYPES_H

#include <IOKit/IOReturn.h>
#include <mach/mach_types.h>
#include <stdint.h>
#include <stdbool.h>
#include <MacTypes.h>

typedef UInt32 IOOptionBits;
typedef SInt32 IOFixed;
typedef UInt32 IOVersion;
typedef UInt32 IOItemCount;
typedef UInt32 IOCacheMode;
typedef UInt32 IOByteCount32;
typedef UInt64 IOByteCount64;
typedef UInt32 IOPhysicalAddress32;
typedef UInt64 IOPhysicalAddress64;
typedef uint64_t IOVirtualAddress;
typedef IOVirtualAddress IOLogicalAddress;
typedef unsigned long IOByteCount;
typedef mach_port_t io_object_t;
typedef io_object_t io_connect_t;
typedef io_object_t io_enumerator_t;
typedef io_object_t io_iterator_t;
typedef io_object_t io_registry_entry_t;
typedef io_object_t io_service_t;
typedef char io_name_t[128];
typedef char io_string_t[512];
typedef char io_struct_inband_t[4096];

#define IO_OBJECT_NULL ((io_object_t)0)

#endif /* __IOKIT_IOTYPES_H */
