/* netinet6/in6.h: IPv6 addresses and socket addresses, with the well-known addresses and address tests. */
#ifndef _NETINET6_IN6_H_
#define _NETINET6_IN6_H_

#include <netinet/in.h>

#include <stdint.h>
#include <sys/cdefs.h>

struct in6_addr {
    union {
        uint8_t __u6_addr8[16];
        uint16_t __u6_addr16[8];
        uint32_t __u6_addr32[4];
    } __u6_addr;
};
#define s6_addr __u6_addr.__u6_addr8

#define INET6_ADDRSTRLEN 46

struct sockaddr_in6 {
    uint8_t sin6_len;
    sa_family_t sin6_family;
    in_port_t sin6_port;
    uint32_t sin6_flowinfo;
    struct in6_addr sin6_addr;
    uint32_t sin6_scope_id;
};

#define IN6ADDR_ANY_INIT                                                                                             \
    {                                                                                                                \
        {                                                                                                            \
            { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }                                                       \
        }                                                                                                            \
    }
#define IN6ADDR_LOOPBACK_INIT                                                                                        \
    {                                                                                                                \
        {                                                                                                            \
            { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1 }                                                       \
        }                                                                                                            \
    }

__BEGIN_DECLS
extern const struct in6_addr in6addr_any;
extern const struct in6_addr in6addr_loopback;
__END_DECLS

#define IN6_IS_ADDR_UNSPECIFIED(a)                                                                                  \
    ((a)->__u6_addr.__u6_addr32[0] == 0 && (a)->__u6_addr.__u6_addr32[1] == 0 &&                                     \
     (a)->__u6_addr.__u6_addr32[2] == 0 && (a)->__u6_addr.__u6_addr32[3] == 0)
#define IN6_IS_ADDR_LINKLOCAL(a) (((a)->s6_addr[0] == 0xfe) && (((a)->s6_addr[1] & 0xc0) == 0x80))
#define IN6_IS_ADDR_MULTICAST(a) ((a)->s6_addr[0] == 0xff)

#define IPV6_UNICAST_HOPS 4
#define IPV6_MULTICAST_IF 9
#define IPV6_MULTICAST_HOPS 10
#define IPV6_MULTICAST_LOOP 11
#define IPV6_V6ONLY 27

#endif /* _NETINET6_IN6_H_ */
