/* syslog.h: logging to the system log with a priority and a facility. */
#ifndef _SYSLOG_H_
#define _SYSLOG_H_

#include <sys/syslog.h>

#endif /* _SYSLOG_H_ */
