/* sys/un.h: addresses of local (Unix-domain) sockets. */
#ifndef _SYS_UN_H_
#define _SYS_UN_H_

#include <sys/types.h>
#include <sys/socket.h>

struct sockaddr_un {
    unsigned char sun_len;
    sa_family_t sun_family;
    char sun_path[104];
};

#define SOL_LOCAL 0
#define LOCAL_PEERCRED 0x001
#define LOCAL_PEERPID 0x002
#define SUN_LEN(su) (sizeof(*(su)) - sizeof((su)->sun_path) + strlen((su)->sun_path))

#endif /* _SYS_UN_H_ */
