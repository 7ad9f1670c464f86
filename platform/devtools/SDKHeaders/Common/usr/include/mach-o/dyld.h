/* mach-o/dyld.h: the images the dynamic loader has loaded, their headers, names and slides, and the executable's path. */
#ifndef _MACH_O_DYLD_H_
#define _MACH_O_DYLD_H_

#include <sys/cdefs.h>
#include <stddef.h>
#include <stdint.h>
#include <stdbool.h>
#include <mach-o/loader.h>
#include <Availability.h>

__BEGIN_DECLS
uint32_t _dyld_image_count(void);
const struct mach_header *_dyld_get_image_header(uint32_t image_index);
intptr_t _dyld_get_image_vmaddr_slide(uint32_t image_index);
const char *_dyld_get_image_name(uint32_t image_index);
void _dyld_register_func_for_add_image(void (*function)(const struct mach_header *header, intptr_t slide));
void _dyld_register_func_for_remove_image(void (*function)(const struct mach_header *header, intptr_t slide));
int32_t NSVersionOfRunTimeLibrary(const char *library_name);
int32_t NSVersionOfLinkTimeLibrary(const char *library_name);
int _NSGetExecutablePath(char *buffer, uint32_t *size);
const char *dyld_image_path_containing_address(const void *address);
bool _dyld_shared_cache_contains_path(const char *path) __API_AVAILABLE(macos(11.0), ios(14.0));
__END_DECLS

#endif /* _MACH_O_DYLD_H_ */
