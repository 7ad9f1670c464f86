/* sys/uio.h: scatter and gather input and output over arrays of buffers. */
#ifndef _SYS_UIO_H_
#define _SYS_UIO_H_

#include <sys/cdefs.h>
#include <sys/types.h>
#include <Availability.h>

#ifndef _STRUCT_IOVEC
#define _STRUCT_IOVEC
struct iovec {
    void *iov_base;
    size_t iov_len;
};
#endif

#define UIO_MAXIOV 1024

__BEGIN_DECLS
ssize_t readv(int fd, const struct iovec *vectors, int count);
ssize_t writev(int fd, const struct iovec *vectors, int count);
ssize_t preadv(int fd, const struct iovec *vectors, int count, off_t offset) __API_AVAILABLE(macos(11.0), ios(14.0));
ssize_t pwritev(int fd, const struct iovec *vectors, int count, off_t offset) __API_AVAILABLE(macos(11.0), ios(14.0));
__END_DECLS

#endif /* _SYS_UIO_H_ */
