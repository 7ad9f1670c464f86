#include <stdlib.h>

//--- a test for non-null before free() is reported, with or without braces
void release(char *p) {
    ↓if (p) free(p);
    ↓if (p != NULL) { free(p); }
}

//--- two statements, a null test, another pointer and an else branch are not
void releaseCarefully(char *p, char *q) {
    if (p) {
        free(p);
        p = NULL;
    }
    if (!p) free(p);
    if (p) free(q);
    if (p) free(p); else free(q);
}
