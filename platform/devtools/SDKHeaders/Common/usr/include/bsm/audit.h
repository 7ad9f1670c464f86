/* bsm/audit.h: the identifiers of the BSM audit subsystem: audit users, sessions, events and classes. */
#ifndef _BSM_AUDIT_H
#define _BSM_AUDIT_H

#include <sys/types.h>

typedef uid_t au_id_t;
typedef pid_t au_asid_t;
typedef u_int16_t au_event_t;
typedef u_int16_t au_emod_t;
typedef u_int32_t au_class_t;
typedef u_int64_t au_asflgs_t;

struct au_mask {
    unsigned int am_success;
    unsigned int am_failure;
};
typedef struct au_mask au_mask_t;

struct au_tid {
    dev_t port;
    u_int32_t machine;
};
typedef struct au_tid au_tid_t;

struct auditinfo {
    au_id_t ai_auid;
    au_mask_t ai_mask;
    au_tid_t ai_termid;
    au_asid_t ai_asid;
};
typedef struct auditinfo auditinfo_t;

#define AU_DEFAUDITID ((uid_t)-1)
#define AU_DEFAUDITSID 0

#endif /* _BSM_AUDIT_H */
