//--- a cast of malloc's result is reported in Objective-C, with or without parentheses
#include <stdlib.h>
void allocate(void) {
    char *bytes = ↓(char *)malloc(10);
    char *more = ↓(char *)(malloc(10));
    free(bytes);
    free(more);
}

//--- and in C
| file: Buffer.c
#include <stdlib.h>
void allocateInC(void) { free(↓(char *)(calloc(2, 10))); }

//--- not in Objective-C++, where the cast is needed
| file: Buffer.mm
#include <stdlib.h>
void allocateInCPlusPlus(void) { free((char *)(malloc(10))); }

//--- nor for a function of the project's own named malloc
| file: Pool.c
void *malloc(unsigned long size);
void allocateOwn(void) { char *bytes = (char *)malloc(10); (void)bytes; }
