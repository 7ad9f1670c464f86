/* architecture/byte_order.h: the NeXT byte-order names and swapping functions. */
#ifndef _ARCHITECTURE_BYTE_ORDER_H_
#define _ARCHITECTURE_BYTE_ORDER_H_

#include <libkern/OSByteOrder.h>

enum NXByteOrder { NX_UnknownByteOrder, NX_LittleEndian, NX_BigEndian };

#endif /* _ARCHITECTURE_BYTE_ORDER_H_ */
