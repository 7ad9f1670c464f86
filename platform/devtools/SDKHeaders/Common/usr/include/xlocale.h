/*
 * xlocale.h: locales as values (locale_t) rather than one global setting, and the variants of the C library's
 * locale-dependent functions that take a locale as their last argument (the _l functions).
 */
#ifndef _XLOCALE_H_
#define _XLOCALE_H_

#include <sys/cdefs.h>
#include <locale.h>
#include <ctype.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wchar.h>
#include <wctype.h>

typedef struct _xlocale *locale_t;

#define LC_ALL_MASK (LC_COLLATE_MASK | LC_CTYPE_MASK | LC_MESSAGES_MASK | LC_MONETARY_MASK | LC_NUMERIC_MASK | LC_TIME_MASK)
#define LC_COLLATE_MASK (1 << 0)
#define LC_CTYPE_MASK (1 << 1)
#define LC_MESSAGES_MASK (1 << 2)
#define LC_MONETARY_MASK (1 << 3)
#define LC_NUMERIC_MASK (1 << 4)
#define LC_TIME_MASK (1 << 5)
#define _LC_NUM_MASK 6
#define LC_GLOBAL_LOCALE ((locale_t)-1)
#define LC_C_LOCALE ((locale_t)NULL)

#define MB_CUR_MAX_L(x) ((size_t)___mb_cur_max_l(x))

__BEGIN_DECLS
extern const locale_t _c_locale;
locale_t duplocale(locale_t locale);
int freelocale(locale_t locale);
struct lconv *localeconv_l(locale_t locale);
locale_t newlocale(int mask, const char *name, locale_t base);
const char *querylocale(int mask, locale_t locale);
locale_t uselocale(locale_t locale);
int ___mb_cur_max_l(locale_t locale);

int isalnum_l(int c, locale_t locale);
int isalpha_l(int c, locale_t locale);
int isblank_l(int c, locale_t locale);
int iscntrl_l(int c, locale_t locale);
int isdigit_l(int c, locale_t locale);
int isgraph_l(int c, locale_t locale);
int islower_l(int c, locale_t locale);
int isprint_l(int c, locale_t locale);
int ispunct_l(int c, locale_t locale);
int isspace_l(int c, locale_t locale);
int isupper_l(int c, locale_t locale);
int isxdigit_l(int c, locale_t locale);
int tolower_l(int c, locale_t locale);
int toupper_l(int c, locale_t locale);

int iswalnum_l(wint_t c, locale_t locale);
int iswalpha_l(wint_t c, locale_t locale);
int iswblank_l(wint_t c, locale_t locale);
int iswcntrl_l(wint_t c, locale_t locale);
int iswdigit_l(wint_t c, locale_t locale);
int iswgraph_l(wint_t c, locale_t locale);
int iswlower_l(wint_t c, locale_t locale);
int iswprint_l(wint_t c, locale_t locale);
int iswpunct_l(wint_t c, locale_t locale);
int iswspace_l(wint_t c, locale_t locale);
int iswupper_l(wint_t c, locale_t locale);
int iswxdigit_l(wint_t c, locale_t locale);
int iswctype_l(wint_t c, wctype_t charclass, locale_t locale);
wint_t towlower_l(wint_t c, locale_t locale);
wint_t towupper_l(wint_t c, locale_t locale);
wctype_t wctype_l(const char *name, locale_t locale);

int printf_l(locale_t locale, const char *__restrict format, ...);
int fprintf_l(FILE *__restrict stream, locale_t locale, const char *__restrict format, ...);
int snprintf_l(char *__restrict buffer, size_t size, locale_t locale, const char *__restrict format, ...);
int sprintf_l(char *__restrict buffer, locale_t locale, const char *__restrict format, ...);
int asprintf_l(char **__restrict result, locale_t locale, const char *__restrict format, ...);
int vsnprintf_l(char *__restrict buffer, size_t size, locale_t locale, const char *__restrict format,
                va_list arguments);
int vasprintf_l(char **__restrict result, locale_t locale, const char *__restrict format, va_list arguments);
int sscanf_l(const char *__restrict string, locale_t locale, const char *__restrict format, ...);
int vsscanf_l(const char *__restrict string, locale_t locale, const char *__restrict format, va_list arguments);

double atof_l(const char *string, locale_t locale);
int atoi_l(const char *string, locale_t locale);
long atol_l(const char *string, locale_t locale);
long long atoll_l(const char *string, locale_t locale);
double strtod_l(const char *__restrict string, char **__restrict end, locale_t locale);
float strtof_l(const char *__restrict string, char **__restrict end, locale_t locale);
long double strtold_l(const char *__restrict string, char **__restrict end, locale_t locale);
long strtol_l(const char *__restrict string, char **__restrict end, int base, locale_t locale);
long long strtoll_l(const char *__restrict string, char **__restrict end, int base, locale_t locale);
unsigned long strtoul_l(const char *__restrict string, char **__restrict end, int base, locale_t locale);
unsigned long long strtoull_l(const char *__restrict string, char **__restrict end, int base, locale_t locale);
int mblen_l(const char *string, size_t size, locale_t locale);
size_t mbstowcs_l(wchar_t *__restrict destination, const char *__restrict source, size_t size, locale_t locale);
int mbtowc_l(wchar_t *__restrict destination, const char *__restrict source, size_t size, locale_t locale);
size_t wcstombs_l(char *__restrict destination, const wchar_t *__restrict source, size_t size, locale_t locale);
int wctomb_l(char *destination, wchar_t character, locale_t locale);

int strcoll_l(const char *left, const char *right, locale_t locale);
size_t strxfrm_l(char *destination, const char *source, size_t size, locale_t locale);
int strcasecmp_l(const char *left, const char *right, locale_t locale);
int strncasecmp_l(const char *left, const char *right, size_t size, locale_t locale);
char *strcasestr_l(const char *haystack, const char *needle, locale_t locale);

size_t strftime_l(char *__restrict buffer, size_t size, const char *__restrict format,
                  const struct tm *__restrict time, locale_t locale);
char *strptime_l(const char *__restrict string, const char *__restrict format, struct tm *__restrict time,
                 locale_t locale);

wint_t btowc_l(int c, locale_t locale);
int wctob_l(wint_t c, locale_t locale);
size_t mbrlen_l(const char *__restrict source, size_t size, mbstate_t *__restrict state, locale_t locale);
size_t mbrtowc_l(wchar_t *__restrict destination, const char *__restrict source, size_t size,
                 mbstate_t *__restrict state, locale_t locale);
size_t mbsrtowcs_l(wchar_t *__restrict destination, const char **__restrict source, size_t size,
                   mbstate_t *__restrict state, locale_t locale);
size_t mbsnrtowcs_l(wchar_t *__restrict destination, const char **__restrict source, size_t count, size_t size,
                    mbstate_t *__restrict state, locale_t locale);
size_t wcrtomb_l(char *__restrict destination, wchar_t character, mbstate_t *__restrict state, locale_t locale);
size_t wcsrtombs_l(char *__restrict destination, const wchar_t **__restrict source, size_t size,
                   mbstate_t *__restrict state, locale_t locale);
size_t wcsnrtombs_l(char *__restrict destination, const wchar_t **__restrict source, size_t count, size_t size,
                    mbstate_t *__restrict state, locale_t locale);
int wcscoll_l(const wchar_t *left, const wchar_t *right, locale_t locale);
size_t wcsxfrm_l(wchar_t *__restrict destination, const wchar_t *__restrict source, size_t size, locale_t locale);
size_t wcsftime_l(wchar_t *__restrict buffer, size_t size, const wchar_t *__restrict format,
                  const struct tm *__restrict time, locale_t locale);
double wcstod_l(const wchar_t *__restrict string, wchar_t **__restrict end, locale_t locale);
long wcstol_l(const wchar_t *__restrict string, wchar_t **__restrict end, int base, locale_t locale);
__END_DECLS

#endif /* _XLOCALE_H_ */
