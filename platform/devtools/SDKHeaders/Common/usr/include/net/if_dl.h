/* net/if_dl.h: link-level socket addresses (the hardware address of a network interface). */
#ifndef _NET_IF_DL_H_
#define _NET_IF_DL_H_

#include <sys/types.h>

struct sockaddr_dl {
    u_char sdl_len;
    u_char sdl_family;
    u_short sdl_index;
    u_char sdl_type;
    u_char sdl_nlen;
    u_char sdl_alen;
    u_char sdl_slen;
    char sdl_data[12];
};

#define LLADDR(s) ((caddr_t)((s)->sdl_data + (s)->sdl_nlen))

__BEGIN_DECLS
void link_addr(const char *address, struct sockaddr_dl *link);
char *link_ntoa(const struct sockaddr_dl *link);
__END_DECLS

#endif /* _NET_IF_DL_H_ */
