/* arpa/inet.h: conversions of Internet addresses between text and binary form, and of byte order. */
#ifndef _ARPA_INET_H_
#define _ARPA_INET_H_

#include <netinet/in.h>
#include <sys/cdefs.h>

__BEGIN_DECLS

in_addr_t inet_addr(const char *cp);
int inet_aton(const char *cp, struct in_addr *pin);
char *inet_ntoa(struct in_addr in);
const char *inet_ntop(int af, const void *src, char *dst, socklen_t size);
int inet_pton(int af, const char *src, void *dst);

__END_DECLS

#endif /* _ARPA_INET_H_ */
