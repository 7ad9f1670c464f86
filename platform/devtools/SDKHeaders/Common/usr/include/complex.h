/*
 * complex.h: complex arithmetic of C99: the complex and I names, and the elementary functions on double complex,
 * float complex and long double complex values.
 */
#ifndef __COMPLEX_H__
#define __COMPLEX_H__

#include <sys/cdefs.h>

#define complex _Complex
#define _Complex_I (__extension__ 1.0iF)
#undef I
#define I _Complex_I
#define CMPLX(x, y) __builtin_complex((double)(x), (double)(y))
#define CMPLXF(x, y) __builtin_complex((float)(x), (float)(y))
#define CMPLXL(x, y) __builtin_complex((long double)(x), (long double)(y))

__BEGIN_DECLS

#define __COMPLEX_FUNCTIONS(name, result)                                                                            \
    result name(double _Complex);                                                                                    \
    float _Complex name##f(float _Complex);                                                                          \
    long double _Complex name##l(long double _Complex);
#define __COMPLEX_REAL_FUNCTIONS(name)                                                                               \
    double name(double _Complex);                                                                                    \
    float name##f(float _Complex);                                                                                   \
    long double name##l(long double _Complex);

__COMPLEX_REAL_FUNCTIONS(cabs)
__COMPLEX_REAL_FUNCTIONS(carg)
__COMPLEX_REAL_FUNCTIONS(cimag)
__COMPLEX_REAL_FUNCTIONS(creal)
__COMPLEX_FUNCTIONS(cacos, double _Complex)
__COMPLEX_FUNCTIONS(casin, double _Complex)
__COMPLEX_FUNCTIONS(catan, double _Complex)
__COMPLEX_FUNCTIONS(ccos, double _Complex)
__COMPLEX_FUNCTIONS(csin, double _Complex)
__COMPLEX_FUNCTIONS(ctan, double _Complex)
__COMPLEX_FUNCTIONS(cacosh, double _Complex)
__COMPLEX_FUNCTIONS(casinh, double _Complex)
__COMPLEX_FUNCTIONS(catanh, double _Complex)
__COMPLEX_FUNCTIONS(ccosh, double _Complex)
__COMPLEX_FUNCTIONS(csinh, double _Complex)
__COMPLEX_FUNCTIONS(ctanh, double _Complex)
__COMPLEX_FUNCTIONS(cexp, double _Complex)
__COMPLEX_FUNCTIONS(clog, double _Complex)
__COMPLEX_FUNCTIONS(csqrt, double _Complex)
__COMPLEX_FUNCTIONS(conj, double _Complex)
__COMPLEX_FUNCTIONS(cproj, double _Complex)
double _Complex cpow(double _Complex, double _Complex);
float _Complex cpowf(float _Complex, float _Complex);
long double _Complex cpowl(long double _Complex, long double _Complex);

#undef __COMPLEX_FUNCTIONS
#undef __COMPLEX_REAL_FUNCTIONS

__END_DECLS

#endif /* __COMPLEX_H__ */
