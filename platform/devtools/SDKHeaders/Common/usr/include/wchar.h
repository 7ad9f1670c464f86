/* wchar.h: wide-character strings and conversions between multibyte and wide characters. */
#ifndef _WCHAR_H_
#define _WCHAR_H_

#include <sys/cdefs.h>
#include <stddef.h>
#include <stdarg.h>
#include <stdio.h>

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
__END_DECLS

#endif /* _WCHAR_H_ */
