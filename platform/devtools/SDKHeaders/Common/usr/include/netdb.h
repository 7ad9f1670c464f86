/* netdb.h: looking up hosts, services and addresses by name, and the reverse. */
#ifndef _NETDB_H_
#define _NETDB_H_

#include <netinet/in.h>
#include <sys/cdefs.h>
#include <sys/socket.h>

struct hostent {
    char *h_name;
    char **h_aliases;
    int h_addrtype;
    int h_length;
    char **h_addr_list;
};
#define h_addr h_addr_list[0]

struct servent {
    char *s_name;
    char **s_aliases;
    int s_port;
    char *s_proto;
};

struct addrinfo {
    int ai_flags;
    int ai_family;
    int ai_socktype;
    int ai_protocol;
    socklen_t ai_addrlen;
    char *ai_canonname;
    struct sockaddr *ai_addr;
    struct addrinfo *ai_next;
};

#define AI_PASSIVE 0x00000001
#define AI_CANONNAME 0x00000002
#define AI_NUMERICHOST 0x00000004
#define AI_NUMERICSERV 0x00001000
#define AI_ADDRCONFIG 0x00000400
#define AI_ALL 0x00000100
#define AI_V4MAPPED 0x00000800
#define AI_DEFAULT (AI_V4MAPPED | AI_ADDRCONFIG)

#define EAI_AGAIN 2
#define EAI_BADFLAGS 3
#define EAI_FAIL 4
#define EAI_FAMILY 5
#define EAI_MEMORY 6
#define EAI_NONAME 8
#define EAI_SERVICE 9
#define EAI_SOCKTYPE 10
#define EAI_SYSTEM 11

#define NI_MAXHOST 1025
#define NI_MAXSERV 32
#define NI_NOFQDN 0x00000001
#define NI_NUMERICHOST 0x00000002
#define NI_NAMEREQD 0x00000004
#define NI_NUMERICSERV 0x00000008
#define NI_DGRAM 0x00000010

__BEGIN_DECLS

int getaddrinfo(const char *__restrict node, const char *__restrict service, const struct addrinfo *__restrict hints,
                struct addrinfo **__restrict res);
void freeaddrinfo(struct addrinfo *ai);
const char *gai_strerror(int ecode);
int getnameinfo(const struct sockaddr *__restrict sa, socklen_t salen, char *__restrict host, socklen_t hostlen,
                char *__restrict serv, socklen_t servlen, int flags);
struct hostent *gethostbyname(const char *name);
struct hostent *gethostbyaddr(const void *addr, socklen_t len, int type);
struct servent *getservbyname(const char *name, const char *proto);

__END_DECLS

#endif /* _NETDB_H_ */
