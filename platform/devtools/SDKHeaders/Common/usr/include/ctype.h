/* ctype.h: character classification and case conversion. */
#ifndef _CTYPE_H_
#define _CTYPE_H_

#include <sys/cdefs.h>

__BEGIN_DECLS

int isalnum(int c);
int isalpha(int c);
int isblank(int c);
int iscntrl(int c);
int isdigit(int c);
int isgraph(int c);
int islower(int c);
int isprint(int c);
int ispunct(int c);
int isspace(int c);
int isupper(int c);
int isxdigit(int c);
int isascii(int c);
int ishexnumber(int c);
int isnumber(int c);
int digittoint(int c);
int tolower(int c);
int toupper(int c);
int toascii(int c);

__END_DECLS

#endif /* _CTYPE_H_ */
