/* net/if_types.h: the kinds of network interfaces. */
#ifndef _NET_IF_TYPES_H_
#define _NET_IF_TYPES_H_

#define IFT_OTHER 0x1
#define IFT_ETHER 0x6
#define IFT_ISO88025 0x9
#define IFT_PPP 0x17
#define IFT_LOOP 0x18
#define IFT_SLIP 0x1c
#define IFT_IEEE1394 0x90
#define IFT_GIF 0x37
#define IFT_FAITH 0x38
#define IFT_STF 0x39
#define IFT_L2VLAN 0x87
#define IFT_IEEE8023ADLAG 0x88
#define IFT_BRIDGE 0xd1
#define IFT_CELLULAR 0xff

#endif /* _NET_IF_TYPES_H_ */
