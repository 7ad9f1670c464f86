/* JavaScriptCore.h: the JavaScript engine: its C API and the Objective-C contexts, values and exports. */
#include <JavaScriptCore/JSBase.h>
#if defined(__OBJC__)
#import <JavaScriptCore/JSContext.h>
#endif
