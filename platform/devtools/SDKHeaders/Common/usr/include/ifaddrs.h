/* ifaddrs.h: the addresses of the network interfaces of the machine. */
#ifndef _IFADDRS_H_
#define _IFADDRS_H_

#include <sys/cdefs.h>

struct ifaddrs {
    struct ifaddrs *ifa_next;
    char *ifa_name;
    unsigned int ifa_flags;
    struct sockaddr *ifa_addr;
    struct sockaddr *ifa_netmask;
    struct sockaddr *ifa_dstaddr;
    void *ifa_data;
};
#define ifa_broadaddr ifa_dstaddr

__BEGIN_DECLS
int getifaddrs(struct ifaddrs **ifap);
void freeifaddrs(struct ifaddrs *ifp);
__END_DECLS

#endif /* _IFADDRS_H_ */
