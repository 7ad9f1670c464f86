/* JSStringRef.h: JavaScript strings: retaining, characters and comparison. */
#ifndef JSStringRef_h
#define JSStringRef_h

#include <JavaScriptCore/JSBase.h>

#ifdef __cplusplus
extern "C" {
#endif

JSStringRef JSStringRetain(JSStringRef string);
const JSChar *JSStringGetCharactersPtr(JSStringRef string);
bool JSStringIsEqual(JSStringRef a, JSStringRef b);
bool JSStringIsEqualToUTF8CString(JSStringRef a, const char *b);

#ifdef __cplusplus
}
#endif

#endif /* JSStringRef_h */
