/* netinet/in_systm.h: network byte-order integer types of the old IP headers. */
#ifndef _NETINET_IN_SYSTM_H_
#define _NETINET_IN_SYSTM_H_

#include <sys/types.h>

typedef u_int16_t n_short;
typedef u_int32_t n_long;
typedef u_int32_t n_time;

#endif /* _NETINET_IN_SYSTM_H_ */
