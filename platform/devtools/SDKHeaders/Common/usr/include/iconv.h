/* iconv.h: converting text between character encodings. */
#ifndef _ICONV_H_
#define _ICONV_H_

#include <sys/cdefs.h>
#include <stddef.h>

typedef void *iconv_t;

__BEGIN_DECLS
iconv_t iconv_open(const char *to_encoding, const char *from_encoding);
size_t iconv(iconv_t converter, char **__restrict input, size_t *__restrict input_left, char **__restrict output,
             size_t *__restrict output_left);
int iconv_close(iconv_t converter);
__END_DECLS

#endif /* _ICONV_H_ */
