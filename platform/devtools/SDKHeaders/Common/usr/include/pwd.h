/* pwd.h: the user database. */
#ifndef _PWD_H_
#define _PWD_H_

#include <sys/cdefs.h>
#include <sys/types.h>

struct passwd {
    char *pw_name;
    char *pw_passwd;
    uid_t pw_uid;
    gid_t pw_gid;
    time_t pw_change;
    char *pw_class;
    char *pw_gecos;
    char *pw_dir;
    char *pw_shell;
    time_t pw_expire;
};

__BEGIN_DECLS
struct passwd *getpwnam(const char *name);
struct passwd *getpwuid(uid_t uid);
int getpwnam_r(const char *name, struct passwd *entry, char *buffer, size_t size, struct passwd **result);
int getpwuid_r(uid_t uid, struct passwd *entry, char *buffer, size_t size, struct passwd **result);
struct passwd *getpwent(void);
void setpwent(void);
void endpwent(void);
__END_DECLS

#endif /* _PWD_H_ */
