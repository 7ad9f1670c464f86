/*
 * stdio.h: standard input and output: streams, formatted printing and scanning, character and line input/output.
 */
#ifndef _STDIO_H_
#define _STDIO_H_

#include <sys/cdefs.h>
#include <Availability.h>
#include <stdarg.h>
#include <sys/types.h>

__BEGIN_DECLS

typedef int64_t fpos_t;

/* A stream; its layout is private to the C library. */
typedef struct __sFILE FILE;

extern FILE *__stdinp;
extern FILE *__stdoutp;
extern FILE *__stderrp;
#define stdin __stdinp
#define stdout __stdoutp
#define stderr __stderrp

#define EOF (-1)
#define BUFSIZ 1024
#define FOPEN_MAX 20
#define FILENAME_MAX 1024
#define L_tmpnam 1024
#define TMP_MAX 308915776
#define P_tmpdir "/var/tmp/"
#ifndef SEEK_SET
#define SEEK_SET 0
#define SEEK_CUR 1
#define SEEK_END 2
#endif
#define _IOFBF 0
#define _IOLBF 1
#define _IONBF 2

FILE *fopen(const char *__restrict path, const char *__restrict mode);
FILE *freopen(const char *__restrict path, const char *__restrict mode, FILE *__restrict stream);
FILE *fdopen(int fd, const char *mode);
FILE *fmemopen(void *__restrict buffer, size_t size, const char *__restrict mode);
FILE *open_memstream(char **buffer, size_t *size);
int fclose(FILE *stream);
int fflush(FILE *stream);
int fileno(FILE *stream);
FILE *tmpfile(void);
char *tmpnam(char *name);
int remove(const char *path);
int rename(const char *old_path, const char *new_path);
int renameat(int from_fd, const char *from, int to_fd, const char *to);
#define RENAME_SECLUDE 0x00000001
#define RENAME_SWAP 0x00000002
#define RENAME_EXCL 0x00000004
#define RENAME_RESERVED1 0x00000008
#define RENAME_NOFOLLOW_ANY 0x00000010
int renamex_np(const char *from, const char *to, unsigned int flags) __API_AVAILABLE(macos(10.12), ios(10.0));
int renameatx_np(int from_fd, const char *from, int to_fd, const char *to, unsigned int flags)
    __API_AVAILABLE(macos(10.12), ios(10.0));
FILE *popen(const char *command, const char *mode);
int pclose(FILE *stream);

void setbuf(FILE *__restrict stream, char *__restrict buffer);
int setvbuf(FILE *__restrict stream, char *__restrict buffer, int mode, size_t size);
void setlinebuf(FILE *stream);

size_t fread(void *__restrict buffer, size_t size, size_t count, FILE *__restrict stream);
size_t fwrite(const void *__restrict buffer, size_t size, size_t count, FILE *__restrict stream);
int fseek(FILE *stream, long offset, int whence);
int fseeko(FILE *stream, off_t offset, int whence);
long ftell(FILE *stream);
off_t ftello(FILE *stream);
void rewind(FILE *stream);
int fgetpos(FILE *__restrict stream, fpos_t *__restrict position);
int fsetpos(FILE *stream, const fpos_t *position);
int feof(FILE *stream);
int ferror(FILE *stream);
void clearerr(FILE *stream);
void perror(const char *message);

int fgetc(FILE *stream);
int getc(FILE *stream);
int getchar(void);
int ungetc(int c, FILE *stream);
char *fgets(char *__restrict buffer, int size, FILE *__restrict stream);
ssize_t getline(char **__restrict line, size_t *__restrict capacity, FILE *__restrict stream);
ssize_t getdelim(char **__restrict line, size_t *__restrict capacity, int delimiter, FILE *__restrict stream);
int fputc(int c, FILE *stream);
int putc(int c, FILE *stream);
int putchar(int c);
int fputs(const char *__restrict string, FILE *__restrict stream);
int puts(const char *string);

int printf(const char *__restrict format, ...) __printflike(1, 2);
int fprintf(FILE *__restrict stream, const char *__restrict format, ...) __printflike(2, 3);
int dprintf(int fd, const char *__restrict format, ...) __printflike(2, 3);
int snprintf(char *__restrict buffer, size_t size, const char *__restrict format, ...) __printflike(3, 4);
int asprintf(char **__restrict result, const char *__restrict format, ...) __printflike(2, 3);
int vprintf(const char *__restrict format, va_list arguments) __printflike(1, 0);
int vfprintf(FILE *__restrict stream, const char *__restrict format, va_list arguments) __printflike(2, 0);
int vdprintf(int fd, const char *__restrict format, va_list arguments) __printflike(2, 0);
int vsnprintf(char *__restrict buffer, size_t size, const char *__restrict format, va_list arguments)
    __printflike(3, 0);
int vasprintf(char **__restrict result, const char *__restrict format, va_list arguments) __printflike(2, 0);
/* Unbounded formatting into a buffer: kept for old code, deprecated in favour of snprintf. */
int sprintf(char *__restrict buffer, const char *__restrict format, ...) __printflike(2, 3)
    __API_DEPRECATED("This function is provided for compatibility reasons only. Due to security concerns inherent "
                     "in the design of sprintf(3), it is highly recommended that you use snprintf(3) instead.",
                     macos(10.0, 13.0), ios(2.0, 16.0), tvos(9.0, 16.0), watchos(1.0, 9.0));
int vsprintf(char *__restrict buffer, const char *__restrict format, va_list arguments) __printflike(2, 0)
    __API_DEPRECATED("This function is provided for compatibility reasons only. Due to security concerns inherent "
                     "in the design of vsprintf(3), it is highly recommended that you use vsnprintf(3) instead.",
                     macos(10.0, 13.0), ios(2.0, 16.0), tvos(9.0, 16.0), watchos(1.0, 9.0));

int scanf(const char *__restrict format, ...) __scanflike(1, 2);
int fscanf(FILE *__restrict stream, const char *__restrict format, ...) __scanflike(2, 3);
int sscanf(const char *__restrict string, const char *__restrict format, ...) __scanflike(2, 3);
int vscanf(const char *__restrict format, va_list arguments) __scanflike(1, 0);
int vfscanf(FILE *__restrict stream, const char *__restrict format, va_list arguments) __scanflike(2, 0);
int vsscanf(const char *__restrict string, const char *__restrict format, va_list arguments) __scanflike(2, 0);

void flockfile(FILE *stream);
int ftrylockfile(FILE *stream);
void funlockfile(FILE *stream);

__END_DECLS

#endif /* _STDIO_H_ */
