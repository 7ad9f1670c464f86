/* uuid/uuid.h: universally unique identifiers as 16 bytes: making, parsing, formatting and comparing them. */
#ifndef _UUID_UUID_H
#define _UUID_UUID_H

#include <sys/cdefs.h>
#include <sys/types.h>

typedef unsigned char __darwin_uuid_t[16];
typedef char __darwin_uuid_string_t[37];
typedef __darwin_uuid_t uuid_t;
typedef __darwin_uuid_string_t uuid_string_t;

#define UUID_DEFINE(name, u0, u1, u2, u3, u4, u5, u6, u7, u8, u9, u10, u11, u12, u13, u14, u15)                     \
    static const uuid_t name __attribute__((unused)) = {u0, u1, u2, u3, u4, u5, u6, u7, u8, u9, u10, u11, u12, u13, u14, u15}

__BEGIN_DECLS
void uuid_clear(uuid_t uu);
int uuid_compare(const uuid_t left, const uuid_t right);
void uuid_copy(uuid_t destination, const uuid_t source);
void uuid_generate(uuid_t out);
void uuid_generate_random(uuid_t out);
void uuid_generate_time(uuid_t out);
int uuid_is_null(const uuid_t uu);
int uuid_parse(const uuid_string_t in, uuid_t uu);
void uuid_unparse(const uuid_t uu, uuid_string_t out);
void uuid_unparse_lower(const uuid_t uu, uuid_string_t out);
void uuid_unparse_upper(const uuid_t uu, uuid_string_t out);
__END_DECLS

#endif /* _UUID_UUID_H */
