/*
 * xar/xar.h: the eXtensible ARchiver library: opening and closing archives, their files and properties, the
 * subdocuments of their table of contents, signatures, options and extraction.
 */
#ifndef _XAR_H_
#define _XAR_H_

#include <stdint.h>
#include <sys/cdefs.h>
#include <sys/types.h>

#define XAR_VERSION "1.8"
#define READ 0
#define WRITE 1

struct stat;

typedef void *xar_t;
typedef void *xar_file_t;
typedef void *xar_iter_t;
typedef void *xar_subdoc_t;
typedef void *xar_signature_t;
typedef struct __xar_errctx_t *xar_errctx_t;
typedef int32_t (*err_handler)(int32_t severity, int32_t instance, xar_errctx_t ctx, void *usrctx);

#define XAR_OPT_TOCCKSUM "toc-cksum"
#define XAR_OPT_FILECKSUM "file-chksum"
#define XAR_OPT_VAL_NONE "none"
#define XAR_OPT_VAL_SHA1 "sha1"
#define XAR_OPT_VAL_SHA256 "sha256"
#define XAR_OPT_VAL_SHA512 "sha512"
#define XAR_OPT_VAL_MD5 "md5"
#define XAR_OPT_COMPRESSION "compression"
#define XAR_OPT_COMPRESSIONARG "compression-arg"
#define XAR_OPT_VAL_GZIP "gzip"
#define XAR_OPT_VAL_BZIP "bzip2"
#define XAR_OPT_VAL_LZMA "lzma"
#define XAR_OPT_RSIZE "rsize"
#define XAR_OPT_COALESCE "coalesce"
#define XAR_OPT_LINKSAME "linksame"
#define XAR_OPT_PROPINCLUDE "prop-include"
#define XAR_OPT_PROPEXCLUDE "prop-exclude"
#define XAR_OPT_SAVESUID "savesuid"
#define XAR_OPT_VAL_TRUE "true"
#define XAR_OPT_VAL_FALSE "false"
#define XAR_OPT_OWNERSHIP "ownership"
#define XAR_OPT_VAL_SYMBOLIC "symbolic"
#define XAR_OPT_VAL_NUMERIC "numeric"

#define XAR_SEVERITY_DEBUG 1
#define XAR_SEVERITY_INFO 2
#define XAR_SEVERITY_NORMAL 3
#define XAR_SEVERITY_WARNING 4
#define XAR_SEVERITY_NONFATAL 5
#define XAR_SEVERITY_FATAL 6

__BEGIN_DECLS
xar_t xar_open(const char *file, int32_t flags);
int xar_close(xar_t x);
xar_file_t xar_add(xar_t x, const char *path);
xar_file_t xar_add_frombuffer(xar_t x, xar_file_t parent, const char *name, char *buffer, size_t length);
xar_file_t xar_add_folder(xar_t x, xar_file_t f, const char *name, struct stat *info);
xar_file_t xar_add_frompath(xar_t x, xar_file_t parent, const char *name, const char *realpath);
xar_file_t xar_add_from_archive(xar_t x, xar_file_t parent, const char *name, xar_t sourcearchive,
                                xar_file_t sourcefile);
int32_t xar_extract(xar_t x, xar_file_t f);
int32_t xar_extract_tofile(xar_t x, xar_file_t f, const char *path);
int32_t xar_extract_tobuffer(xar_t x, xar_file_t f, char **buffer);
int32_t xar_extract_tobuffersz(xar_t x, xar_file_t f, char **buffer, size_t *size);
int32_t xar_extract_tostream_init(xar_t x, xar_file_t f, void *stream);
int32_t xar_verify(xar_t x, xar_file_t f);

const char *xar_opt_get(xar_t x, const char *option);
int32_t xar_opt_set(xar_t x, const char *option, const char *value);
int32_t xar_opt_unset(xar_t x, const char *option);

int32_t xar_prop_set(xar_file_t f, const char *key, const char *value);
int32_t xar_prop_create(xar_file_t f, const char *key, const char *value);
int32_t xar_prop_get(xar_file_t f, const char *key, const char **value);
xar_iter_t xar_iter_new(void);
void xar_iter_free(xar_iter_t i);
const char *xar_prop_first(xar_file_t f, xar_iter_t i);
const char *xar_prop_next(xar_iter_t i);
void xar_prop_unset(xar_file_t f, const char *key);
xar_file_t xar_file_first(xar_t x, xar_iter_t i);
xar_file_t xar_file_next(xar_iter_t i);
const char *xar_attr_get(xar_file_t f, const char *prop, const char *key);
int32_t xar_attr_set(xar_file_t f, const char *prop, const char *key, const char *value);
char *xar_get_path(xar_file_t f);
char *xar_get_safe_path(xar_file_t f);

xar_subdoc_t xar_subdoc_new(xar_t x, const char *name);
int32_t xar_subdoc_prop_set(xar_subdoc_t s, const char *key, const char *value);
int32_t xar_subdoc_prop_get(xar_subdoc_t s, const char *key, const char **value);
int32_t xar_subdoc_attr_set(xar_subdoc_t s, const char *prop, const char *key, const char *value);
const char *xar_subdoc_attr_get(xar_subdoc_t s, const char *prop, const char *key);
xar_subdoc_t xar_subdoc_first(xar_t x);
xar_subdoc_t xar_subdoc_next(xar_subdoc_t s);
const char *xar_subdoc_name(xar_subdoc_t s);
int32_t xar_subdoc_copyout(xar_subdoc_t s, unsigned char **, unsigned int *);
int32_t xar_subdoc_copyin(xar_subdoc_t s, const unsigned char *, unsigned int);
void xar_subdoc_remove(xar_subdoc_t s);

xar_signature_t xar_signature_first(xar_t x);
xar_signature_t xar_signature_next(xar_signature_t s);
const char *xar_signature_type(xar_signature_t s);
int32_t xar_signature_get_x509certificate_count(xar_signature_t sig);
int32_t xar_signature_get_x509certificate_data(xar_signature_t sig, int32_t index, const uint8_t **data,
                                               uint32_t *length);

void xar_register_errhandler(xar_t x, err_handler callback, void *usrctx);
xar_t xar_err_get_archive(xar_errctx_t ctx);
xar_file_t xar_err_get_file(xar_errctx_t ctx);
const char *xar_err_get_string(xar_errctx_t ctx);
int xar_err_get_errno(xar_errctx_t ctx);
__END_DECLS

#endif /* _XAR_H_ */
