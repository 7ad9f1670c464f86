/* sys/socket.h: sockets: address families, socket types, socket addresses and the calls that use them. */
#ifndef _SYS_SOCKET_H_
#define _SYS_SOCKET_H_

#include <sys/types.h>

typedef uint8_t sa_family_t;
typedef uint32_t socklen_t;

#define SOCK_STREAM 1
#define SOCK_DGRAM 2
#define SOCK_RAW 3
#define SOCK_SEQPACKET 5

#define AF_UNSPEC 0
#define AF_UNIX 1
#define AF_LOCAL AF_UNIX
#define AF_INET 2
#define AF_ROUTE 17
#define AF_LINK 18
#define AF_INET6 30
#define AF_SYSTEM 32
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

__END_DECLS

#endif /* _SYS_SOCKET_H_ */
