/* strings.h: the BSD byte-string functions and case-insensitive comparison. */
#ifndef _STRINGS_H_
#define _STRINGS_H_

#include <sys/cdefs.h>
#include <stddef.h>

__BEGIN_DECLS

int bcmp(const void *left, const void *right, size_t size);
void bcopy(const void *source, void *destination, size_t size);
void bzero(void *destination, size_t size);
char *index(const char *string, int character);
char *rindex(const char *string, int character);
int ffs(int value);
int ffsl(long value);
int fls(int value);
int strcasecmp(const char *left, const char *right);
int strncasecmp(const char *left, const char *right, size_t size);

__END_DECLS

#endif /* _STRINGS_H_ */
