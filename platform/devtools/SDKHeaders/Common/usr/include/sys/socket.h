/* sys/socket.h: sockets: address families, socket types, socket addresses and the calls that use them. */
#ifndef _SYS_SOCKET_H_
#define _SYS_SOCKET_H_

#include <sys/types.h>
#include <sys/uio.h>

typedef uint8_t sa_family_t;
typedef uint32_t socklen_t;

#define SOCK_STREAM 1
#define SOCK_DGRAM 2
#define SOCK_RAW 3
#define SOCK_SEQPACKET 5
#define SOCK_RDM 4

#define AF_UNSPEC 0
#define AF_UNIX 1
#define AF_LOCAL AF_UNIX
#define AF_INET 2
#define AF_ROUTE 17
#define AF_LINK 18
#define AF_INET6 30
#define AF_SYSTEM 32
#define AF_NDRV 27
#define AF_MAX 41
#define PF_LOCAL AF_LOCAL
#define PF_LINK AF_LINK
#define PF_SYSTEM AF_SYSTEM
#define PF_NDRV AF_NDRV
#define PF_UNSPEC AF_UNSPEC
#define PF_UNIX AF_UNIX
#define PF_INET AF_INET
#define PF_ROUTE AF_ROUTE
#define PF_INET6 AF_INET6

#define SOL_SOCKET 0xffff
#define SO_DEBUG 0x0001
#define SO_REUSEADDR 0x0004
#define SO_KEEPALIVE 0x0008
#define SO_BROADCAST 0x0020
#define SO_REUSEPORT 0x0200
#define SO_SNDBUF 0x1001
#define SO_RCVBUF 0x1002
#define SO_SNDTIMEO 0x1005
#define SO_RCVTIMEO 0x1006
#define SO_ERROR 0x1007
#define SO_NOSIGPIPE 0x1022

#define MSG_OOB 0x1
#define MSG_PEEK 0x2
#define MSG_DONTWAIT 0x80
#define MSG_WAITALL 0x40
#define MSG_DONTROUTE 0x4
#define MSG_EOR 0x8
#define MSG_TRUNC 0x10
#define MSG_CTRUNC 0x20

#define SHUT_RD 0
#define SHUT_WR 1
#define SHUT_RDWR 2

#define SOMAXCONN 128

struct sockaddr {
    uint8_t sa_len;
    sa_family_t sa_family;
    char sa_data[14];
};

struct sockaddr_storage {
    uint8_t ss_len;
    sa_family_t ss_family;
    char __ss_pad1[6];
    int64_t __ss_align;
    char __ss_pad2[112];
};

struct msghdr {
    void *msg_name;
    socklen_t msg_namelen;
    struct iovec *msg_iov;
    int msg_iovlen;
    void *msg_control;
    socklen_t msg_controllen;
    int msg_flags;
};

struct cmsghdr {
    socklen_t cmsg_len;
    int cmsg_level;
    int cmsg_type;
};

struct linger {
    int l_onoff;
    int l_linger;
};

#define SCM_RIGHTS 0x01
#define SCM_CREDS 0x03
#define __DARWIN_ALIGN32(p) ((__darwin_size_t)((const char *)(__darwin_size_t)(p) + 3) & ~(__darwin_size_t)3)
#define CMSG_DATA(cmsg) ((unsigned char *)(cmsg) + __DARWIN_ALIGN32(sizeof(struct cmsghdr)))
#define CMSG_FIRSTHDR(mhdr)                                                                                          \
    ((mhdr)->msg_controllen >= sizeof(struct cmsghdr) ? (struct cmsghdr *)(mhdr)->msg_control : (struct cmsghdr *)0L)
#define CMSG_NXTHDR(mhdr, cmsg)                                                                                      \
    ((char *)(cmsg) + __DARWIN_ALIGN32((cmsg)->cmsg_len) + __DARWIN_ALIGN32(sizeof(struct cmsghdr)) >                 \
             (char *)(mhdr)->msg_control + (mhdr)->msg_controllen                                                   \
         ? (struct cmsghdr *)0L                                                                                      \
         : (struct cmsghdr *)(void *)((char *)(cmsg) + __DARWIN_ALIGN32((cmsg)->cmsg_len)))
#define CMSG_SPACE(l) (__DARWIN_ALIGN32(sizeof(struct cmsghdr)) + __DARWIN_ALIGN32(l))
#define CMSG_LEN(l) (__DARWIN_ALIGN32(sizeof(struct cmsghdr)) + (l))

__BEGIN_DECLS

int socket(int domain, int type, int protocol);
int bind(int socket, const struct sockaddr *address, socklen_t address_len);
int connect(int socket, const struct sockaddr *address, socklen_t address_len);
int listen(int socket, int backlog);
int accept(int socket, struct sockaddr *__restrict address, socklen_t *__restrict address_len);
ssize_t send(int socket, const void *buffer, size_t length, int flags);
ssize_t sendto(int socket, const void *buffer, size_t length, int flags, const struct sockaddr *dest_addr,
               socklen_t dest_len);
ssize_t recv(int socket, void *buffer, size_t length, int flags);
ssize_t recvfrom(int socket, void *__restrict buffer, size_t length, int flags, struct sockaddr *__restrict address,
                 socklen_t *__restrict address_len);
int getsockopt(int socket, int level, int option_name, void *__restrict option_value,
               socklen_t *__restrict option_len);
int setsockopt(int socket, int level, int option_name, const void *option_value, socklen_t option_len);
int getsockname(int socket, struct sockaddr *__restrict address, socklen_t *__restrict address_len);
int getpeername(int socket, struct sockaddr *__restrict address, socklen_t *__restrict address_len);
int shutdown(int socket, int how);
int socketpair(int domain, int type, int protocol, int socket_vector[2]);
ssize_t sendmsg(int socket, const struct msghdr *message, int flags);
ssize_t recvmsg(int socket, struct msghdr *message, int flags);

__END_DECLS

#endif /* _SYS_SOCKET_H_ */
