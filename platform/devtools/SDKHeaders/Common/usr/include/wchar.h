/* wchar.h: wide-character strings and conversions between multibyte and wide characters. */
#ifndef _WCHAR_H_
#define _WCHAR_H_

#include <sys/cdefs.h>
#include <stddef.h>
#include <stdint.h>
#include <stdarg.h>
#include <stdio.h>
#include <time.h>

typedef int wint_t;
typedef struct {
    char __mbstate8[128];
    long long _mbstateL;
} mbstate_t;

#define WEOF ((wint_t)-1)

__BEGIN_DECLS
size_t wcslen(const wchar_t *string);
int wcscmp(const wchar_t *left, const wchar_t *right);
int wcsncmp(const wchar_t *left, const wchar_t *right, size_t size);
wchar_t *wcscpy(wchar_t *__restrict destination, const wchar_t *__restrict source);
wchar_t *wcsncpy(wchar_t *__restrict destination, const wchar_t *__restrict source, size_t size);
wchar_t *wcscat(wchar_t *__restrict destination, const wchar_t *__restrict source);
wchar_t *wcschr(const wchar_t *string, wchar_t character);
wchar_t *wcsstr(const wchar_t *__restrict haystack, const wchar_t *__restrict needle);
wchar_t *wcsdup(const wchar_t *string);
long wcstol(const wchar_t *__restrict string, wchar_t **__restrict end, int base);
double wcstod(const wchar_t *__restrict string, wchar_t **__restrict end);
size_t mbrtowc(wchar_t *__restrict destination, const char *__restrict source, size_t size,
               mbstate_t *__restrict state);
size_t wcrtomb(char *__restrict destination, wchar_t character, mbstate_t *__restrict state);
size_t mbsrtowcs(wchar_t *__restrict destination, const char **__restrict source, size_t size,
                 mbstate_t *__restrict state);
size_t wcsrtombs(char *__restrict destination, const wchar_t **__restrict source, size_t size,
                 mbstate_t *__restrict state);
int swprintf(wchar_t *__restrict buffer, size_t size, const wchar_t *__restrict format, ...);
int wprintf(const wchar_t *__restrict format, ...);
int fwprintf(FILE *__restrict stream, const wchar_t *__restrict format, ...);
wint_t btowc(int c);
int wctob(wint_t c);
wchar_t *wmemcpy(wchar_t *__restrict destination, const wchar_t *__restrict source, size_t size);
wchar_t *wmemset(wchar_t *destination, wchar_t character, size_t size);
int wcwidth(wchar_t character);
int wcswidth(const wchar_t *string, size_t size);
wchar_t *wcsncat(wchar_t *__restrict destination, const wchar_t *__restrict source, size_t size);
wchar_t *wcsrchr(const wchar_t *string, wchar_t character);
wchar_t *wcspbrk(const wchar_t *string, const wchar_t *characters);
size_t wcsspn(const wchar_t *string, const wchar_t *characters);
size_t wcscspn(const wchar_t *string, const wchar_t *characters);
wchar_t *wcstok(wchar_t *__restrict string, const wchar_t *__restrict separators, wchar_t **__restrict state);
int wcscoll(const wchar_t *left, const wchar_t *right);
size_t wcsxfrm(wchar_t *__restrict destination, const wchar_t *__restrict source, size_t size);
size_t wcsftime(wchar_t *__restrict buffer, size_t size, const wchar_t *__restrict format,
                const struct tm *__restrict time);
size_t wcsnlen(const wchar_t *string, size_t size);
int wcscasecmp(const wchar_t *left, const wchar_t *right);
int wcsncasecmp(const wchar_t *left, const wchar_t *right, size_t size);
size_t wcslcpy(wchar_t *destination, const wchar_t *source, size_t size);
size_t wcslcat(wchar_t *destination, const wchar_t *source, size_t size);
unsigned long wcstoul(const wchar_t *__restrict string, wchar_t **__restrict end, int base);
long long wcstoll(const wchar_t *__restrict string, wchar_t **__restrict end, int base);
unsigned long long wcstoull(const wchar_t *__restrict string, wchar_t **__restrict end, int base);
float wcstof(const wchar_t *__restrict string, wchar_t **__restrict end);
long double wcstold(const wchar_t *__restrict string, wchar_t **__restrict end);
wchar_t *wmemchr(const wchar_t *string, wchar_t character, size_t size);
int wmemcmp(const wchar_t *left, const wchar_t *right, size_t size);
wchar_t *wmemmove(wchar_t *destination, const wchar_t *source, size_t size);
int mbsinit(const mbstate_t *state);
size_t mbrlen(const char *__restrict source, size_t size, mbstate_t *__restrict state);
size_t mbsnrtowcs(wchar_t *__restrict destination, const char **__restrict source, size_t count, size_t size,
                  mbstate_t *__restrict state);
size_t wcsnrtombs(char *__restrict destination, const wchar_t **__restrict source, size_t count, size_t size,
                  mbstate_t *__restrict state);
wint_t fgetwc(FILE *stream);
wint_t getwc(FILE *stream);
wint_t getwchar(void);
wchar_t *fgetws(wchar_t *__restrict buffer, int size, FILE *__restrict stream);
wint_t fputwc(wchar_t character, FILE *stream);
wint_t putwc(wchar_t character, FILE *stream);
wint_t putwchar(wchar_t character);
int fputws(const wchar_t *__restrict string, FILE *__restrict stream);
wint_t ungetwc(wint_t character, FILE *stream);
int fwide(FILE *stream, int mode);
int vwprintf(const wchar_t *__restrict format, va_list arguments);
int vfwprintf(FILE *__restrict stream, const wchar_t *__restrict format, va_list arguments);
int vswprintf(wchar_t *__restrict buffer, size_t size, const wchar_t *__restrict format, va_list arguments);
int wscanf(const wchar_t *__restrict format, ...);
int fwscanf(FILE *__restrict stream, const wchar_t *__restrict format, ...);
int swscanf(const wchar_t *__restrict string, const wchar_t *__restrict format, ...);
int vwscanf(const wchar_t *__restrict format, va_list arguments);
int vfwscanf(FILE *__restrict stream, const wchar_t *__restrict format, va_list arguments);
int vswscanf(const wchar_t *__restrict string, const wchar_t *__restrict format, va_list arguments);
__END_DECLS

#endif /* _WCHAR_H_ */
