/* netinet/tcp.h: the TCP header and the TCP socket options. */
#ifndef _NETINET_TCP_H_
#define _NETINET_TCP_H_

#include <sys/types.h>

typedef u_int32_t tcp_seq;

#define TCP_NODELAY 0x01
#define TCP_MAXSEG 0x02
#define TCP_NOPUSH 0x04
#define TCP_NOOPT 0x08
#define TCP_KEEPALIVE 0x10
#define TCP_CONNECTIONTIMEOUT 0x20
#define TCP_KEEPINTVL 0x101
#define TCP_KEEPCNT 0x102
#define TCP_SENDMOREACKS 0x103
#define TCP_ENABLE_ECN 0x104
#define TCP_FASTOPEN 0x105
#define TCP_NOTSENT_LOWAT 0x201

#endif /* _NETINET_TCP_H_ */
