/* regex.h: POSIX regular expressions: compiling, matching and error texts. */
#ifndef _REGEX_H_
#define _REGEX_H_

#include <sys/cdefs.h>
#include <sys/types.h>

typedef off_t regoff_t;

typedef struct {
    int re_magic;
    size_t re_nsub;
    const void *re_endp;
    struct re_guts *re_g;
} regex_t;

typedef struct {
    regoff_t rm_so;
    regoff_t rm_eo;
} regmatch_t;

#define REG_BASIC 0000
#define REG_EXTENDED 0001
#define REG_ICASE 0002
#define REG_NOSUB 0004
#define REG_NEWLINE 0010
#define REG_NOSPEC 0020
#define REG_PEND 0040
#define REG_DUMP 0200
#define REG_NOTBOL 00001
#define REG_NOTEOL 00002
#define REG_STARTEND 00004
#define REG_ENOSYS (-1)
#define REG_NOMATCH 1
#define REG_BADPAT 2
#define REG_ECOLLATE 3
#define REG_ECTYPE 4
#define REG_EESCAPE 5
#define REG_ESUBREG 6
#define REG_EBRACK 7
#define REG_EPAREN 8
#define REG_EBRACE 9
#define REG_BADBR 10
#define REG_ERANGE 11
#define REG_ESPACE 12
#define REG_BADRPT 13

__BEGIN_DECLS
int regcomp(regex_t *__restrict expression, const char *__restrict pattern, int flags);
size_t regerror(int code, const regex_t *__restrict expression, char *__restrict buffer, size_t size);
int regexec(const regex_t *__restrict expression, const char *__restrict string, size_t count,
            regmatch_t matches[__restrict], int flags);
void regfree(regex_t *expression);
__END_DECLS

#endif /* _REGEX_H_ */
