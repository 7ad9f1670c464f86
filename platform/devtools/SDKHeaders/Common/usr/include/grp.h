/* grp.h: the group database. */
#ifndef _GRP_H_
#define _GRP_H_

#include <sys/cdefs.h>
#include <sys/types.h>

struct group {
    char *gr_name;
    char *gr_passwd;
    gid_t gr_gid;
    char **gr_mem;
};

__BEGIN_DECLS
struct group *getgrgid(gid_t gid);
struct group *getgrnam(const char *name);
int getgrgid_r(gid_t gid, struct group *entry, char *buffer, size_t size, struct group **result);
int getgrnam_r(const char *name, struct group *entry, char *buffer, size_t size, struct group **result);
struct group *getgrent(void);
void setgrent(void);
void endgrent(void);
__END_DECLS

#endif /* _GRP_H_ */
