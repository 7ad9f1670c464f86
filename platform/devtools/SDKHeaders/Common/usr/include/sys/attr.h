/* sys/attr.h: reading and setting file system attributes in bulk (getattrlist and its attribute bits). */
#ifndef _SYS_ATTR_H_
#define _SYS_ATTR_H_

#include <sys/cdefs.h>
#include <sys/types.h>

typedef uint32_t attrgroup_t;
typedef uint32_t text_encoding_t;
typedef uint32_t fsobj_type_t;
typedef uint32_t fsobj_tag_t;
typedef uint32_t fsfile_type_t;
typedef uint32_t fsvolid_t;

#define ATTR_BIT_MAP_COUNT 5

struct attrlist {
    u_short bitmapcount;
    u_int16_t reserved;
    attrgroup_t commonattr;
    attrgroup_t volattr;
    attrgroup_t dirattr;
    attrgroup_t fileattr;
    attrgroup_t forkattr;
};

typedef struct attribute_set {
    attrgroup_t commonattr;
    attrgroup_t volattr;
    attrgroup_t dirattr;
    attrgroup_t fileattr;
    attrgroup_t forkattr;
} attribute_set_t;

typedef struct attrreference {
    int32_t attr_dataoffset;
    u_int32_t attr_length;
} attrreference_t;

#define FSOPT_NOFOLLOW 0x00000001
#define FSOPT_NOINMEMUPDATE 0x00000002
#define FSOPT_REPORT_FULLSIZE 0x00000004
#define FSOPT_PACK_INVAL_ATTRS 0x00000008

#define ATTR_CMN_NAME 0x00000001
#define ATTR_CMN_DEVID 0x00000002
#define ATTR_CMN_FSID 0x00000004
#define ATTR_CMN_OBJTYPE 0x00000008
#define ATTR_CMN_OBJTAG 0x00000010
#define ATTR_CMN_OBJID 0x00000020
#define ATTR_CMN_OBJPERMANENTID 0x00000040
#define ATTR_CMN_PAROBJID 0x00000080
#define ATTR_CMN_SCRIPT 0x00000100
#define ATTR_CMN_CRTIME 0x00000200
#define ATTR_CMN_MODTIME 0x00000400
#define ATTR_CMN_CHGTIME 0x00000800
#define ATTR_CMN_ACCTIME 0x00001000
#define ATTR_CMN_BKUPTIME 0x00002000
#define ATTR_CMN_FNDRINFO 0x00004000
#define ATTR_CMN_OWNERID 0x00008000
#define ATTR_CMN_GRPID 0x00010000
#define ATTR_CMN_ACCESSMASK 0x00020000
#define ATTR_CMN_FLAGS 0x00040000
#define ATTR_CMN_RETURNED_ATTRS 0x80000000
#define ATTR_VOL_FSTYPE 0x00000001
#define ATTR_VOL_SIZE 0x00000004
#define ATTR_VOL_SPACEFREE 0x00000008
#define ATTR_VOL_SPACEAVAIL 0x00000010
#define ATTR_VOL_NAME 0x00002000
#define ATTR_VOL_CAPABILITIES 0x00020000
#define ATTR_VOL_INFO 0x80000000
#define ATTR_FILE_LINKCOUNT 0x00000001
#define ATTR_FILE_TOTALSIZE 0x00000002
#define ATTR_FILE_ALLOCSIZE 0x00000004
#define ATTR_FILE_DATALENGTH 0x00000200

__BEGIN_DECLS
int getattrlist(const char *path, void *attributes, void *buffer, size_t size, unsigned int options);
int fgetattrlist(int fd, void *attributes, void *buffer, size_t size, unsigned int options);
int setattrlist(const char *path, void *attributes, void *buffer, size_t size, unsigned int options);
int fsetattrlist(int fd, void *attributes, void *buffer, size_t size, unsigned int options);
int getattrlistbulk(int fd, void *attributes, void *buffer, size_t size, uint64_t options);
int exchangedata(const char *path1, const char *path2, unsigned int options);
__END_DECLS

#endif /* _SYS_ATTR_H_ */
