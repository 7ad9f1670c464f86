/* CTTextTab.h: tab stops of a paragraph style. */
#ifndef __CTTEXTTAB__
#define __CTTEXTTAB__

#include <CoreText/CTDefines.h>
#include <CoreText/CTParagraphStyle.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

CT_EXPORT const CFStringRef kCTTabColumnTerminatorsAttributeName;

CT_EXPORT CFTypeID CTTextTabGetTypeID(void);
CT_EXPORT CTTextTabRef CTTextTabCreate(CTTextAlignment alignment, double location, CFDictionaryRef _Nullable options);
CT_EXPORT CTTextAlignment CTTextTabGetAlignment(CTTextTabRef tab);
CT_EXPORT double CTTextTabGetLocation(CTTextTabRef tab);
CT_EXPORT CFDictionaryRef _Nullable CTTextTabGetOptions(CTTextTabRef tab);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTTEXTTAB__ */
