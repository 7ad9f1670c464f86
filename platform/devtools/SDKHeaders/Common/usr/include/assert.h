/*
 * assert.h: the assert macro, which reports the failed expression with its function, file and line and aborts;
 * with NDEBUG defined it evaluates nothing. Deliberately without an include guard, as NDEBUG may change between
 * inclusions.
 */
#include <sys/cdefs.h>

#undef assert

__BEGIN_DECLS
void __assert_rtn(const char *function, const char *file, int line, const char *expression) __dead2 __cold;
__END_DECLS

#ifdef NDEBUG
#define assert(e) ((void)0)
#else
#define assert(e) (__builtin_expect(!(e), 0) ? __assert_rtn(__func__, __FILE__, __LINE__, #e) : (void)0)
#endif

#if !defined(__cplusplus) && defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L && __STDC_VERSION__ < 202311L
#undef static_assert
#define static_assert _Static_assert
#endif
