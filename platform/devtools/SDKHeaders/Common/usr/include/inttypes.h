/*
 * inttypes.h: the printf and scanf conversion macros of the fixed-width integer types, and conversion functions
 * for intmax_t. The compiler's own inttypes.h includes this one next.
 */
#ifndef _INTTYPES_H_
#define _INTTYPES_H_

#include <sys/cdefs.h>
#include <stdint.h>

#define __PRI_8_LENGTH_MODIFIER__ "hh"
#define __PRI_64_LENGTH_MODIFIER__ "ll"
#define __SCN_64_LENGTH_MODIFIER__ "ll"
#define __PRI_MAX_LENGTH_MODIFIER__ "j"
#define __SCN_MAX_LENGTH_MODIFIER__ "j"
#if defined(__LP64__)
#define __PRI_PTR_LENGTH_MODIFIER__ "l"
#else
#define __PRI_PTR_LENGTH_MODIFIER__ ""
#endif

#define PRId8 __PRI_8_LENGTH_MODIFIER__ "d"
#define PRIi8 __PRI_8_LENGTH_MODIFIER__ "i"
#define PRIo8 __PRI_8_LENGTH_MODIFIER__ "o"
#define PRIu8 __PRI_8_LENGTH_MODIFIER__ "u"
#define PRIx8 __PRI_8_LENGTH_MODIFIER__ "x"
#define PRIX8 __PRI_8_LENGTH_MODIFIER__ "X"
#define PRId16 "hd"
#define PRIi16 "hi"
#define PRIo16 "ho"
#define PRIu16 "hu"
#define PRIx16 "hx"
#define PRIX16 "hX"
#define PRId32 "d"
#define PRIi32 "i"
#define PRIo32 "o"
#define PRIu32 "u"
#define PRIx32 "x"
#define PRIX32 "X"
#define PRId64 __PRI_64_LENGTH_MODIFIER__ "d"
#define PRIi64 __PRI_64_LENGTH_MODIFIER__ "i"
#define PRIo64 __PRI_64_LENGTH_MODIFIER__ "o"
#define PRIu64 __PRI_64_LENGTH_MODIFIER__ "u"
#define PRIx64 __PRI_64_LENGTH_MODIFIER__ "x"
#define PRIX64 __PRI_64_LENGTH_MODIFIER__ "X"
#define PRIdLEAST8 PRId8
#define PRIuLEAST8 PRIu8
#define PRIdLEAST16 PRId16
#define PRIuLEAST16 PRIu16
#define PRIdLEAST32 PRId32
#define PRIuLEAST32 PRIu32
#define PRIdLEAST64 PRId64
#define PRIuLEAST64 PRIu64
#define PRIdFAST8 PRId8
#define PRIuFAST8 PRIu8
#define PRIdFAST16 PRId16
#define PRIuFAST16 PRIu16
#define PRIdFAST32 PRId32
#define PRIuFAST32 PRIu32
#define PRIdFAST64 PRId64
#define PRIuFAST64 PRIu64
#define PRIdPTR __PRI_PTR_LENGTH_MODIFIER__ "d"
#define PRIiPTR __PRI_PTR_LENGTH_MODIFIER__ "i"
#define PRIoPTR __PRI_PTR_LENGTH_MODIFIER__ "o"
#define PRIuPTR __PRI_PTR_LENGTH_MODIFIER__ "u"
#define PRIxPTR __PRI_PTR_LENGTH_MODIFIER__ "x"
#define PRIXPTR __PRI_PTR_LENGTH_MODIFIER__ "X"
#define PRIdMAX __PRI_MAX_LENGTH_MODIFIER__ "d"
#define PRIiMAX __PRI_MAX_LENGTH_MODIFIER__ "i"
#define PRIoMAX __PRI_MAX_LENGTH_MODIFIER__ "o"
#define PRIuMAX __PRI_MAX_LENGTH_MODIFIER__ "u"
#define PRIxMAX __PRI_MAX_LENGTH_MODIFIER__ "x"
#define PRIXMAX __PRI_MAX_LENGTH_MODIFIER__ "X"

#define SCNd8 "hhd"
#define SCNi8 "hhi"
#define SCNu8 "hhu"
#define SCNx8 "hhx"
#define SCNd16 "hd"
#define SCNi16 "hi"
#define SCNu16 "hu"
#define SCNx16 "hx"
#define SCNd32 "d"
#define SCNi32 "i"
#define SCNu32 "u"
#define SCNx32 "x"
#define SCNd64 __SCN_64_LENGTH_MODIFIER__ "d"
#define SCNi64 __SCN_64_LENGTH_MODIFIER__ "i"
#define SCNu64 __SCN_64_LENGTH_MODIFIER__ "u"
#define SCNx64 __SCN_64_LENGTH_MODIFIER__ "x"
#define SCNdPTR __PRI_PTR_LENGTH_MODIFIER__ "d"
#define SCNuPTR __PRI_PTR_LENGTH_MODIFIER__ "u"
#define SCNxPTR __PRI_PTR_LENGTH_MODIFIER__ "x"
#define SCNdMAX __SCN_MAX_LENGTH_MODIFIER__ "d"
#define SCNuMAX __SCN_MAX_LENGTH_MODIFIER__ "u"

typedef struct {
    intmax_t quot;
    intmax_t rem;
} imaxdiv_t;

__BEGIN_DECLS
intmax_t imaxabs(intmax_t value);
imaxdiv_t imaxdiv(intmax_t numerator, intmax_t denominator);
intmax_t strtoimax(const char *__restrict string, char **__restrict end, int base);
uintmax_t strtoumax(const char *__restrict string, char **__restrict end, int base);
__END_DECLS

#endif /* _INTTYPES_H_ */
