/* objc/objc-runtime.h: the runtime and message-sending functions in one header, as older code includes them. */
#include <objc/runtime.h>
#include <objc/message.h>
