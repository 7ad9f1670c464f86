/* dlfcn.h: loading dynamic libraries and looking up their symbols at run time. */
#ifndef _DLFCN_H_
#define _DLFCN_H_

#include <sys/cdefs.h>

__BEGIN_DECLS

typedef struct dl_info {
    const char *dli_fname;
    void *dli_fbase;
    const char *dli_sname;
    void *dli_saddr;
} Dl_info;

#define RTLD_LAZY 0x1
#define RTLD_NOW 0x2
#define RTLD_LOCAL 0x4
#define RTLD_GLOBAL 0x8
#define RTLD_NOLOAD 0x10
#define RTLD_NODELETE 0x80
#define RTLD_FIRST 0x100
#define RTLD_NEXT ((void *)-1)
#define RTLD_DEFAULT ((void *)-2)
#define RTLD_SELF ((void *)-3)
#define RTLD_MAIN_ONLY ((void *)-5)

void *dlopen(const char *path, int mode);
void *dlsym(void *__restrict handle, const char *__restrict symbol);
int dlclose(void *handle);
char *dlerror(void);
int dladdr(const void *address, Dl_info *info);

__END_DECLS

#endif /* _DLFCN_H_ */
