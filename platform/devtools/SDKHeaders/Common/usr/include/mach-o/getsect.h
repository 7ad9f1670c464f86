/* mach-o/getsect.h: finding segments and sections of a loaded Mach-O image, and their data. */
#ifndef _MACH_O_GETSECT_H_
#define _MACH_O_GETSECT_H_

#include <sys/cdefs.h>
#include <stdint.h>
#include <mach-o/loader.h>

__BEGIN_DECLS
char *getsectdata(const char *segment_name, const char *section_name, unsigned long *size);
char *getsectdatafromFramework(const char *framework, const char *segment_name, const char *section_name,
                               unsigned long *size);
unsigned long get_end(void);
unsigned long get_etext(void);
unsigned long get_edata(void);
#ifndef __LP64__
const struct section *getsectbyname(const char *segment_name, const char *section_name);
uint8_t *getsectiondata(const struct mach_header *header, const char *segment_name, const char *section_name,
                        unsigned long *size);
const struct segment_command *getsegbyname(const char *segment_name);
uint8_t *getsegmentdata(const struct mach_header *header, const char *segment_name, unsigned long *size);
#else
const struct section_64 *getsectbyname(const char *segment_name, const char *section_name);
uint8_t *getsectiondata(const struct mach_header_64 *header, const char *segment_name, const char *section_name,
                        unsigned long *size);
const struct segment_command_64 *getsegbyname(const char *segment_name);
uint8_t *getsegmentdata(const struct mach_header_64 *header, const char *segment_name, unsigned long *size);
#endif
const struct section *getsectbynamefromheader(const struct mach_header *header, const char *segment_name,
                                              const char *section_name);
const struct section_64 *getsectbynamefromheader_64(const struct mach_header_64 *header, const char *segment_name,
                                                    const char *section_name);
char *getsectdatafromheader(const struct mach_header *header, const char *segment_name, const char *section_name,
                            uint32_t *size);
char *getsectdatafromheader_64(const struct mach_header_64 *header, const char *segment_name,
                               const char *section_name, uint64_t *size);
__END_DECLS

#endif /* _MACH_O_GETSECT_H_ */
