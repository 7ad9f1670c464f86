/* err.h: formatted error and warning messages that name the program, optionally ending it. */
#ifndef _ERR_H_
#define _ERR_H_

#include <sys/cdefs.h>
#include <stdarg.h>

__BEGIN_DECLS
void err(int status, const char *format, ...) __dead2 __printflike(2, 3);
void verr(int status, const char *format, va_list arguments) __dead2 __printflike(2, 0);
void errc(int status, int code, const char *format, ...) __dead2 __printflike(3, 4);
void errx(int status, const char *format, ...) __dead2 __printflike(2, 3);
void verrx(int status, const char *format, va_list arguments) __dead2 __printflike(2, 0);
void warn(const char *format, ...) __printflike(1, 2);
void vwarn(const char *format, va_list arguments) __printflike(1, 0);
void warnc(int code, const char *format, ...) __printflike(2, 3);
void warnx(const char *format, ...) __printflike(1, 2);
void vwarnx(const char *format, va_list arguments) __printflike(1, 0);
__END_DECLS

#endif /* _ERR_H_ */
