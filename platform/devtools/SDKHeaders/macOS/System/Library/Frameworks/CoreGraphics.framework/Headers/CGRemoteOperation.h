/* CGRemoteOperation.h: moving the mouse cursor and tying it to the mouse (macOS only). */
#ifndef CGREMOTEOPERATION_H_
#define CGREMOTEOPERATION_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGError.h>
#include <CoreGraphics/CGGeometry.h>
#include <mach/mach_types.h>


CG_EXTERN CGError CGWarpMouseCursorPosition(CGPoint newCursorPosition);
CG_EXTERN CGError CGAssociateMouseAndMouseCursorPosition(boolean_t connected);
CG_EXTERN CGError CGDisplayHideCursor(uint32_t display);
CG_EXTERN CGError CGDisplayShowCursor(uint32_t display);
CG_EXTERN CGError CGDisplayMoveCursorToPoint(uint32_t display, CGPoint point);
CG_EXTERN void CGGetLastMouseDelta(int32_t *deltaX, int32_t *deltaY);

#endif /* CGREMOTEOPERATION_H_ */
