/* string.h: byte-string and memory functions. */
#ifndef _STRING_H_
#define _STRING_H_

#include <sys/cdefs.h>
#include <stddef.h>
#include <sys/types.h>

__BEGIN_DECLS

void *memcpy(void *__restrict destination, const void *__restrict source, size_t size);
void *memmove(void *destination, const void *source, size_t size);
void *memset(void *destination, int byte, size_t size);
int memcmp(const void *left, const void *right, size_t size);
void *memchr(const void *memory, int byte, size_t size);
void *memmem(const void *haystack, size_t haystack_size, const void *needle, size_t needle_size);
void *memccpy(void *__restrict destination, const void *__restrict source, int byte, size_t size);
errno_t memset_s(void *destination, rsize_t destination_size, int byte, rsize_t size);
void memset_pattern4(void *destination, const void *pattern, size_t size);
void memset_pattern8(void *destination, const void *pattern, size_t size);
void memset_pattern16(void *destination, const void *pattern, size_t size);

size_t strlen(const char *string);
size_t strnlen(const char *string, size_t maximum);
char *strcpy(char *__restrict destination, const char *__restrict source);
char *strncpy(char *__restrict destination, const char *__restrict source, size_t size);
char *stpcpy(char *__restrict destination, const char *__restrict source);
char *stpncpy(char *__restrict destination, const char *__restrict source, size_t size);
size_t strlcpy(char *__restrict destination, const char *__restrict source, size_t size);
size_t strlcat(char *__restrict destination, const char *__restrict source, size_t size);
char *strcat(char *__restrict destination, const char *__restrict source);
char *strncat(char *__restrict destination, const char *__restrict source, size_t size);
int strcmp(const char *left, const char *right);
int strncmp(const char *left, const char *right, size_t size);
int strcoll(const char *left, const char *right);
size_t strxfrm(char *__restrict destination, const char *__restrict source, size_t size);
char *strchr(const char *string, int character);
char *strrchr(const char *string, int character);
char *strstr(const char *haystack, const char *needle);
char *strnstr(const char *haystack, const char *needle, size_t size);
char *strcasestr(const char *haystack, const char *needle);
char *strpbrk(const char *string, const char *characters);
size_t strspn(const char *string, const char *characters);
size_t strcspn(const char *string, const char *characters);
char *strtok(char *__restrict string, const char *__restrict separators);
char *strtok_r(char *__restrict string, const char *__restrict separators, char **__restrict state);
char *strsep(char **string, const char *separators);
char *strdup(const char *string) __attribute__((__malloc__));
char *strndup(const char *string, size_t size) __attribute__((__malloc__));
char *strerror(int error_number);
int strerror_r(int error_number, char *buffer, size_t size);
char *strsignal(int signal_number);
void strmode(int mode, char *buffer);

__END_DECLS

#include <strings.h>

#endif /* _STRING_H_ */
