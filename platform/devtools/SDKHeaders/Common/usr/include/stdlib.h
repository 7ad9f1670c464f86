/*
 * stdlib.h: memory allocation, process control, environment, number conversion, sorting and searching, and
 * random numbers.
 */
#ifndef _STDLIB_H_
#define _STDLIB_H_

#include <sys/cdefs.h>
#include <Availability.h>
#include <stddef.h>
#include <sys/types.h>
#include <alloca.h>

__BEGIN_DECLS

typedef struct {
    int quot;
    int rem;
} div_t;
typedef struct {
    long quot;
    long rem;
} ldiv_t;
typedef struct {
    long long quot;
    long long rem;
} lldiv_t;

#define EXIT_SUCCESS 0
#define EXIT_FAILURE 1
#define RAND_MAX 0x7fffffff
extern int __mb_cur_max;
#define MB_CUR_MAX ((size_t)__mb_cur_max)

void *malloc(size_t size) __attribute__((__malloc__)) __alloc_size(1);
void *calloc(size_t count, size_t size) __attribute__((__malloc__)) __alloc_size(1, 2);
void *realloc(void *pointer, size_t size) __alloc_size(2);
void *reallocf(void *pointer, size_t size) __alloc_size(2);
void *valloc(size_t size) __attribute__((__malloc__)) __alloc_size(1);
void *aligned_alloc(size_t alignment, size_t size) __attribute__((__malloc__)) __alloc_size(2);
int posix_memalign(void **pointer, size_t alignment, size_t size);
void free(void *pointer);

void abort(void) __dead2 __cold;
void exit(int status) __dead2;
void _Exit(int status) __dead2;
int atexit(void (*function)(void));
#if defined(__BLOCKS__)
int atexit_b(void (^block)(void));
#endif
char *getenv(const char *name);
int setenv(const char *name, const char *value, int overwrite);
int unsetenv(const char *name);
int putenv(char *string);
int system(const char *command) __attribute__((__availability__(ios, unavailable)))
    __attribute__((__availability__(watchos, unavailable))) __attribute__((__availability__(tvos, unavailable)));
const char *getprogname(void);
void setprogname(const char *name);

int atoi(const char *string);
long atol(const char *string);
long long atoll(const char *string);
double atof(const char *string);
long strtol(const char *__restrict string, char **__restrict end, int base);
unsigned long strtoul(const char *__restrict string, char **__restrict end, int base);
long long strtoll(const char *__restrict string, char **__restrict end, int base);
unsigned long long strtoull(const char *__restrict string, char **__restrict end, int base);
double strtod(const char *__restrict string, char **__restrict end);
float strtof(const char *__restrict string, char **__restrict end);
long double strtold(const char *__restrict string, char **__restrict end);

int abs(int value) __pure2;
long labs(long value) __pure2;
long long llabs(long long value);
div_t div(int numerator, int denominator) __pure2;
ldiv_t ldiv(long numerator, long denominator) __pure2;
lldiv_t lldiv(long long numerator, long long denominator);

int rand(void);
void srand(unsigned seed);
long random(void);
void srandom(unsigned seed);
double drand48(void);
void srand48(long seed);
uint32_t arc4random(void);
uint32_t arc4random_uniform(uint32_t upper_bound);
void arc4random_buf(void *buffer, size_t size);

void qsort(void *base, size_t count, size_t size, int (*compare)(const void *, const void *));
void *bsearch(const void *key, const void *base, size_t count, size_t size,
              int (*compare)(const void *, const void *));
#if defined(__BLOCKS__)
void qsort_b(void *base, size_t count, size_t size, int (^compare)(const void *, const void *));
#endif

int mkstemp(char *template_path);
int mkstemps(char *template_path, int suffix_length);
char *mkdtemp(char *template_path);
char *mktemp(char *template_path);
char *realpath(const char *__restrict path, char *__restrict resolved);

int mblen(const char *string, size_t size);
size_t mbstowcs(wchar_t *__restrict destination, const char *__restrict source, size_t count);
int mbtowc(wchar_t *__restrict destination, const char *__restrict source, size_t size);
size_t wcstombs(char *__restrict destination, const wchar_t *__restrict source, size_t count);
int wctomb(char *string, wchar_t character);

__END_DECLS

#endif /* _STDLIB_H_ */
