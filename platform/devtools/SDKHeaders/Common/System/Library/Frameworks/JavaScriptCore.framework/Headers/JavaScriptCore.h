/* JavaScriptCore.h: the JavaScript engine: its C API and the Objective-C contexts, values and exports. */
#include <JavaScriptCore/JSBase.h>
#include <JavaScriptCore/JSContextRef.h>
#include <JavaScriptCore/JSStringRef.h>
#include <JavaScriptCore/JSObjectRef.h>
#include <JavaScriptCore/JSValueRef.h>
#include <JavaScriptCore/JSStringRefCF.h>
#if defined(__OBJC__)
#import <JavaScriptCore/JSContext.h>
#endif
