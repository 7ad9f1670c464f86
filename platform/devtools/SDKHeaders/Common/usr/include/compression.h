/*
 * compression.h: lossless compression of buffers and streams with LZ4, zlib (raw DEFLATE), LZMA, LZFSE and Brotli.
 */
#ifndef __COMPRESSION_HEADER__
#define __COMPRESSION_HEADER__

#include <Availability.h>
#include <os/base.h>
#include <stddef.h>
#include <stdint.h>

__BEGIN_DECLS
OS_ASSUME_NONNULL_BEGIN

typedef enum {
    COMPRESSION_LZ4 = 0x100,
    COMPRESSION_ZLIB = 0x205,
    COMPRESSION_LZMA = 0x306,
    COMPRESSION_LZ4_RAW = 0x101,
    COMPRESSION_BROTLI = 0xB02,
    COMPRESSION_LZFSE = 0x801,
    COMPRESSION_LZBITMAP = 0x702,
} compression_algorithm;

extern size_t compression_encode_scratch_buffer_size(compression_algorithm algorithm)
    API_AVAILABLE(macos(10.11), ios(9.0), tvos(9.0), watchos(2.0));
extern size_t compression_encode_buffer(uint8_t *__restrict dst_buffer, size_t dst_size,
                                        const uint8_t *__restrict src_buffer, size_t src_size,
                                        void *__restrict _Nullable scratch_buffer, compression_algorithm algorithm)
    API_AVAILABLE(macos(10.11), ios(9.0), tvos(9.0), watchos(2.0));
extern size_t compression_decode_scratch_buffer_size(compression_algorithm algorithm)
    API_AVAILABLE(macos(10.11), ios(9.0), tvos(9.0), watchos(2.0));
extern size_t compression_decode_buffer(uint8_t *__restrict dst_buffer, size_t dst_size,
                                        const uint8_t *__restrict src_buffer, size_t src_size,
                                        void *__restrict _Nullable scratch_buffer, compression_algorithm algorithm)
    API_AVAILABLE(macos(10.11), ios(9.0), tvos(9.0), watchos(2.0));

typedef struct {
    uint8_t *dst_ptr;
    size_t dst_size;
    const uint8_t *src_ptr;
    size_t src_size;
    void *_Nullable state;
} compression_stream;

typedef enum {
    COMPRESSION_STREAM_ENCODE = 0,
    COMPRESSION_STREAM_DECODE = 1,
} compression_stream_operation;

enum {
    COMPRESSION_STREAM_FINALIZE = 0x0001,
};
typedef int compression_stream_flags;

typedef enum {
    COMPRESSION_STATUS_OK = 0,
    COMPRESSION_STATUS_ERROR = -1,
    COMPRESSION_STATUS_END = 1,
} compression_status;

extern compression_status compression_stream_init(compression_stream *stream, compression_stream_operation operation,
                                                  compression_algorithm algorithm)
    API_AVAILABLE(macos(10.11), ios(9.0), tvos(9.0), watchos(2.0));
extern compression_status compression_stream_process(compression_stream *stream, int flags)
    API_AVAILABLE(macos(10.11), ios(9.0), tvos(9.0), watchos(2.0));
extern compression_status compression_stream_destroy(compression_stream *stream)
    API_AVAILABLE(macos(10.11), ios(9.0), tvos(9.0), watchos(2.0));

OS_ASSUME_NONNULL_END
__END_DECLS

#endif /* __COMPRESSION_HEADER__ */
