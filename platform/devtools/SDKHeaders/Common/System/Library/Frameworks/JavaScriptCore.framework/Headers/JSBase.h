/* JSBase.h: the C API of JavaScriptCore: contexts, values, objects and strings, and evaluating scripts. */
#ifndef JSBase_h
#define JSBase_h

#include <stdbool.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef const struct OpaqueJSContextGroup *JSContextGroupRef;
typedef const struct OpaqueJSContext *JSContextRef;
typedef struct OpaqueJSContext *JSGlobalContextRef;
typedef struct OpaqueJSString *JSStringRef;
typedef struct OpaqueJSClass *JSClassRef;
typedef const struct OpaqueJSValue *JSValueRef;
typedef struct OpaqueJSValue *JSObjectRef;
typedef unsigned short JSChar;

JSValueRef JSEvaluateScript(JSContextRef ctx, JSStringRef script, JSObjectRef thisObject, JSStringRef sourceURL,
                            int startingLineNumber, JSValueRef *exception);
void JSGarbageCollect(JSContextRef ctx);
JSGlobalContextRef JSGlobalContextCreate(JSClassRef globalObjectClass);
JSGlobalContextRef JSGlobalContextRetain(JSGlobalContextRef ctx);
void JSGlobalContextRelease(JSGlobalContextRef ctx);
JSObjectRef JSContextGetGlobalObject(JSContextRef ctx);
JSStringRef JSStringCreateWithUTF8CString(const char *string);
JSStringRef JSStringCreateWithCharacters(const JSChar *chars, size_t numChars);
void JSStringRelease(JSStringRef string);
size_t JSStringGetLength(JSStringRef string);
size_t JSStringGetMaximumUTF8CStringSize(JSStringRef string);
size_t JSStringGetUTF8CString(JSStringRef string, char *buffer, size_t bufferSize);
bool JSValueIsUndefined(JSContextRef ctx, JSValueRef value);
bool JSValueIsNull(JSContextRef ctx, JSValueRef value);
bool JSValueIsString(JSContextRef ctx, JSValueRef value);
bool JSValueIsObject(JSContextRef ctx, JSValueRef value);
JSValueRef JSValueMakeUndefined(JSContextRef ctx);
JSValueRef JSValueMakeNull(JSContextRef ctx);
JSValueRef JSValueMakeBoolean(JSContextRef ctx, bool boolean);
JSValueRef JSValueMakeNumber(JSContextRef ctx, double number);
JSValueRef JSValueMakeString(JSContextRef ctx, JSStringRef string);
JSStringRef JSValueToStringCopy(JSContextRef ctx, JSValueRef value, JSValueRef *exception);
double JSValueToNumber(JSContextRef ctx, JSValueRef value, JSValueRef *exception);
bool JSValueToBoolean(JSContextRef ctx, JSValueRef value);
JSObjectRef JSValueToObject(JSContextRef ctx, JSValueRef value, JSValueRef *exception);
JSValueRef JSObjectGetProperty(JSContextRef ctx, JSObjectRef object, JSStringRef propertyName, JSValueRef *exception);
void JSObjectSetProperty(JSContextRef ctx, JSObjectRef object, JSStringRef propertyName, JSValueRef value,
                         unsigned attributes, JSValueRef *exception);
JSValueRef JSObjectCallAsFunction(JSContextRef ctx, JSObjectRef object, JSObjectRef thisObject, size_t argumentCount,
                                  const JSValueRef arguments[], JSValueRef *exception);

#ifdef __cplusplus
}
#endif

#endif /* JSBase_h */
