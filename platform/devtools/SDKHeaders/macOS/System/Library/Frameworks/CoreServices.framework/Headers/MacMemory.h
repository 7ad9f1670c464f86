/* MacMemory.h: the Memory Manager's handles and pointers, kept for the Carbon calls that still take them. */
#ifndef __MACMEMORY__
#define __MACMEMORY__

#include <MacTypes.h>

#ifdef __cplusplus
extern "C" {
#endif

Handle NewHandle(Size byteCount);
Handle NewHandleClear(Size byteCount);
Handle NewEmptyHandle(void);
void DisposeHandle(Handle h);
Size GetHandleSize(Handle h);
void SetHandleSize(Handle h, Size newSize);
void EmptyHandle(Handle h);
void ReallocateHandle(Handle h, Size byteCount);
void HLock(Handle h);
void HLockHi(Handle h);
void HUnlock(Handle h);
SInt8 HGetState(Handle h);
void HSetState(Handle h, SInt8 flags);
OSErr HandToHand(Handle *theHndl);
OSErr PtrToHand(const void *srcPtr, Handle *dstHndl, long size);
OSErr PtrToXHand(const void *srcPtr, Handle dstHndl, long size);
OSErr HandAndHand(Handle hand1, Handle hand2);
OSErr PtrAndHand(const void *ptr1, Handle hand2, long size);
Ptr NewPtr(Size byteCount);
Ptr NewPtrClear(Size byteCount);
void DisposePtr(Ptr p);
Size GetPtrSize(Ptr p);
void SetPtrSize(Ptr p, Size newSize);
OSErr MemError(void);
void BlockMove(const void *srcPtr, void *destPtr, Size byteCount);
void BlockMoveData(const void *srcPtr, void *destPtr, Size byteCount);
void BlockMoveUncached(const void *srcPtr, void *destPtr, Size byteCount);
void BlockZero(void *destPtr, Size byteCount);
Boolean IsHandleValid(Handle h);
Boolean IsPointerValid(Ptr p);

#ifdef __cplusplus
}
#endif

#endif /* __MACMEMORY__ */
