/* setjmp.h: non-local jumps. */
#ifndef _SETJMP_H_
#define _SETJMP_H_

#include <sys/cdefs.h>

#if defined(__arm64__) || defined(__aarch64__)
#define _JBLEN ((14 + 8 + 2) * 2)
#elif defined(__x86_64__)
#define _JBLEN ((9 * 2) + 3 + 16)
#else
#define _JBLEN (18)
#endif

typedef int jmp_buf[_JBLEN];
typedef int sigjmp_buf[_JBLEN + 1];

__BEGIN_DECLS
int setjmp(jmp_buf environment);
void longjmp(jmp_buf environment, int value) __dead2;
int _setjmp(jmp_buf environment);
void _longjmp(jmp_buf environment, int value) __dead2;
int sigsetjmp(sigjmp_buf environment, int save_mask);
void siglongjmp(sigjmp_buf environment, int value) __dead2;
__END_DECLS

#endif /* _SETJMP_H_ */
