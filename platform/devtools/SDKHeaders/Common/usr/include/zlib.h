/*
 * zlib.h: the zlib compression library as the system ships it: deflate and inflate streams, one-call compression,
 * gzip files and checksums.
 */
#ifndef ZLIB_H
#define ZLIB_H

#include <sys/types.h>
#include <stdarg.h>
#include <limits.h>

#define ZLIB_VERSION "1.2.12"
#define ZLIB_VERNUM 0x12c0
#define ZLIB_VER_MAJOR 1
#define ZLIB_VER_MINOR 2
#define ZLIB_VER_REVISION 12
#define ZLIB_VER_SUBREVISION 0

#define ZEXTERN extern
#define ZEXPORT
#define ZEXPORTVA
#define OF(args) args
#define FAR
#define MAX_MEM_LEVEL 9
#define MAX_WBITS 15

typedef unsigned char Byte;
typedef unsigned int uInt;
typedef unsigned long uLong;
typedef Byte Bytef;
typedef char charf;
typedef int intf;
typedef uInt uIntf;
typedef uLong uLongf;
typedef void const *voidpc;
typedef void *voidpf;
typedef void *voidp;
typedef unsigned long z_crc_t;
typedef off_t z_off_t;
typedef off_t z_off64_t;
typedef size_t z_size_t;

typedef voidpf (*alloc_func)(voidpf opaque, uInt items, uInt size);
typedef void (*free_func)(voidpf opaque, voidpf address);

struct internal_state;

typedef struct z_stream_s {
    Bytef *next_in;
    uInt avail_in;
    uLong total_in;
    Bytef *next_out;
    uInt avail_out;
    uLong total_out;
    char *msg;
    struct internal_state *state;
    alloc_func zalloc;
    free_func zfree;
    voidpf opaque;
    int data_type;
    uLong adler;
    uLong reserved;
} z_stream;
typedef z_stream *z_streamp;

typedef struct gz_header_s {
    int text;
    uLong time;
    int xflags;
    int os;
    Bytef *extra;
    uInt extra_len;
    uInt extra_max;
    Bytef *name;
    uInt name_max;
    Bytef *comment;
    uInt comm_max;
    int hcrc;
    int done;
} gz_header;
typedef gz_header *gz_headerp;

#define Z_NO_FLUSH 0
#define Z_PARTIAL_FLUSH 1
#define Z_SYNC_FLUSH 2
#define Z_FULL_FLUSH 3
#define Z_FINISH 4
#define Z_BLOCK 5
#define Z_TREES 6
#define Z_OK 0
#define Z_STREAM_END 1
#define Z_NEED_DICT 2
#define Z_ERRNO (-1)
#define Z_STREAM_ERROR (-2)
#define Z_DATA_ERROR (-3)
#define Z_MEM_ERROR (-4)
#define Z_BUF_ERROR (-5)
#define Z_VERSION_ERROR (-6)
#define Z_NO_COMPRESSION 0
#define Z_BEST_SPEED 1
#define Z_BEST_COMPRESSION 9
#define Z_DEFAULT_COMPRESSION (-1)
#define Z_FILTERED 1
#define Z_HUFFMAN_ONLY 2
#define Z_RLE 3
#define Z_FIXED 4
#define Z_DEFAULT_STRATEGY 0
#define Z_BINARY 0
#define Z_TEXT 1
#define Z_ASCII Z_TEXT
#define Z_UNKNOWN 2
#define Z_DEFLATED 8
#define Z_NULL 0

typedef struct gzFile_s *gzFile;

#ifdef __cplusplus
extern "C" {
#endif

const char *zlibVersion(void);
int deflate(z_streamp stream, int flush);
int deflateEnd(z_streamp stream);
int inflate(z_streamp stream, int flush);
int inflateEnd(z_streamp stream);
int deflateSetDictionary(z_streamp stream, const Bytef *dictionary, uInt length);
int deflateCopy(z_streamp destination, z_streamp source);
int deflateReset(z_streamp stream);
int deflateParams(z_streamp stream, int level, int strategy);
uLong deflateBound(z_streamp stream, uLong source_length);
int deflateSetHeader(z_streamp stream, gz_headerp header);
int inflateSetDictionary(z_streamp stream, const Bytef *dictionary, uInt length);
int inflateSync(z_streamp stream);
int inflateCopy(z_streamp destination, z_streamp source);
int inflateReset(z_streamp stream);
int inflateReset2(z_streamp stream, int window_bits);
int inflateGetHeader(z_streamp stream, gz_headerp header);

int compress(Bytef *destination, uLongf *destination_length, const Bytef *source, uLong source_length);
int compress2(Bytef *destination, uLongf *destination_length, const Bytef *source, uLong source_length, int level);
uLong compressBound(uLong source_length);
int uncompress(Bytef *destination, uLongf *destination_length, const Bytef *source, uLong source_length);
int uncompress2(Bytef *destination, uLongf *destination_length, const Bytef *source, uLong *source_length);

gzFile gzopen(const char *path, const char *mode);
gzFile gzdopen(int fd, const char *mode);
int gzbuffer(gzFile file, unsigned size);
int gzsetparams(gzFile file, int level, int strategy);
int gzread(gzFile file, voidp buffer, unsigned length);
int gzwrite(gzFile file, voidpc buffer, unsigned length);
int gzprintf(gzFile file, const char *format, ...);
int gzputs(gzFile file, const char *string);
char *gzgets(gzFile file, char *buffer, int length);
int gzputc(gzFile file, int c);
int gzgetc(gzFile file);
int gzungetc(int c, gzFile file);
int gzflush(gzFile file, int flush);
z_off_t gzseek(gzFile file, z_off_t offset, int whence);
int gzrewind(gzFile file);
z_off_t gztell(gzFile file);
z_off_t gzoffset(gzFile file);
int gzeof(gzFile file);
int gzdirect(gzFile file);
int gzclose(gzFile file);
int gzclose_r(gzFile file);
int gzclose_w(gzFile file);
const char *gzerror(gzFile file, int *error_number);
void gzclearerr(gzFile file);

uLong adler32(uLong adler, const Bytef *buffer, uInt length);
uLong adler32_z(uLong adler, const Bytef *buffer, z_size_t length);
uLong adler32_combine(uLong adler1, uLong adler2, z_off_t length2);
uLong crc32(uLong crc, const Bytef *buffer, uInt length);
uLong crc32_z(uLong crc, const Bytef *buffer, z_size_t length);
uLong crc32_combine(uLong crc1, uLong crc2, z_off_t length2);

int deflateInit_(z_streamp stream, int level, const char *version, int stream_size);
int inflateInit_(z_streamp stream, const char *version, int stream_size);
int deflateInit2_(z_streamp stream, int level, int method, int window_bits, int memory_level, int strategy,
                  const char *version, int stream_size);
int inflateInit2_(z_streamp stream, int window_bits, const char *version, int stream_size);
#define deflateInit(strm, level) deflateInit_((strm), (level), ZLIB_VERSION, (int)sizeof(z_stream))
#define inflateInit(strm) inflateInit_((strm), ZLIB_VERSION, (int)sizeof(z_stream))
#define deflateInit2(strm, level, method, windowBits, memLevel, strategy)                                           \
    deflateInit2_((strm), (level), (method), (windowBits), (memLevel), (strategy), ZLIB_VERSION, (int)sizeof(z_stream))
#define inflateInit2(strm, windowBits) inflateInit2_((strm), (windowBits), ZLIB_VERSION, (int)sizeof(z_stream))

#ifdef __cplusplus
}
#endif

#endif /* ZLIB_H */
