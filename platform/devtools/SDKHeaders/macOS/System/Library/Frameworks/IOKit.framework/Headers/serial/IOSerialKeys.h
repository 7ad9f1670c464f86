/* serial/IOSerialKeys.h: the keys of serial port services and their BSD device paths. */
#ifndef _IOKIT_IOSERIALKEYS_H
#define _IOKIT_IOSERIALKEYS_H

#define kIOSerialBSDServiceValue "IOSerialBSDClient"
#define kIOSerialBSDTypeKey "IOSerialBSDClientType"
#define kIOSerialBSDAllTypes "IOSerialStream"
#define kIOSerialBSDModemType "IOModemSerialStream"
#define kIOSerialBSDRS232Type "IORS232SerialStream"
#define kIOTTYDeviceKey "IOTTYDevice"
#define kIOTTYBaseNameKey "IOTTYBaseName"
#define kIOTTYSuffixKey "IOTTYSuffix"
#define kIOCalloutDeviceKey "IOCalloutDevice"
#define kIODialinDeviceKey "IODialinDevice"

#endif /* _IOKIT_IOSERIALKEYS_H */
