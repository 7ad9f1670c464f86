/* sys/file.h: advisory file locks and the file flags. */
#ifndef _SYS_FILE_H_
#define _SYS_FILE_H_

#include <sys/types.h>
#include <fcntl.h>
#include <unistd.h>

#define L_SET SEEK_SET
#define L_INCR SEEK_CUR
#define L_XTND SEEK_END

#endif /* _SYS_FILE_H_ */
