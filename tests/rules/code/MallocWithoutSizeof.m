#define BUFFER_SIZE (4 * sizeof(int))

//--- a size written as a number is reported
#include <stdlib.h>
void *allocate(void) { return ↓malloc(16); }

//--- the second argument of calloc() is its size
#include <stdlib.h>
void *allocateMany(int n) { return ↓calloc(n, 8); }

//--- sizes written with sizeof, directly or through a macro, are not
#include <stdlib.h>
void *allocateSized(int n, int *p) {
    free(calloc(n, sizeof *p));
    free(malloc(BUFFER_SIZE));
    return malloc(2 * BUFFER_SIZE);
}

//--- a function of the project's own named malloc is not
| file: Pool.c
void *malloc(unsigned long size);
void *allocateOwn(void) { return malloc(16); }
