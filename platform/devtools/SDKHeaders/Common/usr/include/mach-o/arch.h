/* mach-o/arch.h: names and descriptions of processor architectures. */
#ifndef _MACH_O_ARCH_H_
#define _MACH_O_ARCH_H_

#include <sys/cdefs.h>
#include <stdint.h>
#include <mach/machine.h>
#include <architecture/byte_order.h>

typedef struct {
    const char *name;
    cpu_type_t cputype;
    cpu_subtype_t cpusubtype;
    enum NXByteOrder byteorder;
    const char *description;
} NXArchInfo;

__BEGIN_DECLS
const NXArchInfo *NXGetAllArchInfos(void);
const NXArchInfo *NXGetLocalArchInfo(void);
const NXArchInfo *NXGetArchInfoFromName(const char *name);
const NXArchInfo *NXGetArchInfoFromCpuType(cpu_type_t cputype, cpu_subtype_t cpusubtype);
void NXFreeArchInfo(const NXArchInfo *info);
__END_DECLS

#endif /* _MACH_O_ARCH_H_ */
