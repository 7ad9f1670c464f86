/* malloc/malloc.h: memory zones and the size and statistics of allocations. */
#ifndef _MALLOC_MALLOC_H_
#define _MALLOC_MALLOC_H_

#include <sys/cdefs.h>
#include <stddef.h>
#include <stdbool.h>
#include <mach/mach_types.h>
#include <Availability.h>

typedef struct _malloc_zone_t malloc_zone_t;

typedef struct mstats {
    size_t bytes_total;
    size_t chunks_used;
    size_t bytes_used;
    size_t chunks_free;
    size_t bytes_free;
} mstats_t;

typedef struct malloc_statistics_t {
    unsigned blocks_in_use;
    size_t size_in_use;
    size_t max_size_in_use;
    size_t size_allocated;
} malloc_statistics_t;

__BEGIN_DECLS
malloc_zone_t *malloc_default_zone(void);
malloc_zone_t *malloc_create_zone(vm_size_t start_size, unsigned flags);
void malloc_destroy_zone(malloc_zone_t *zone);
void *malloc_zone_malloc(malloc_zone_t *zone, size_t size);
void *malloc_zone_calloc(malloc_zone_t *zone, size_t count, size_t size);
void *malloc_zone_valloc(malloc_zone_t *zone, size_t size);
void *malloc_zone_realloc(malloc_zone_t *zone, void *pointer, size_t size);
void *malloc_zone_memalign(malloc_zone_t *zone, size_t alignment, size_t size);
void malloc_zone_free(malloc_zone_t *zone, void *pointer);
malloc_zone_t *malloc_zone_from_ptr(const void *pointer);
size_t malloc_zone_pressure_relief(malloc_zone_t *zone, size_t goal);
void malloc_zone_statistics(malloc_zone_t *zone, malloc_statistics_t *statistics);
void malloc_set_zone_name(malloc_zone_t *zone, const char *name);
const char *malloc_get_zone_name(malloc_zone_t *zone);
size_t malloc_size(const void *pointer);
size_t malloc_good_size(size_t size);
struct mstats mstats(void);
void malloc_zone_print(malloc_zone_t *zone, bool verbose);
__END_DECLS

#endif /* _MALLOC_MALLOC_H_ */
