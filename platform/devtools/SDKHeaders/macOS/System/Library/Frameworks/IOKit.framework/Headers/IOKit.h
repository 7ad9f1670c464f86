/* IOKit.h: the I/O Kit framework's main header. */
#include <IOKit/IOKitLib.h>
