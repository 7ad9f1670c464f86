/* CoreBluetooth.h: Bluetooth Low Energy; here the manager that lets the device act as a peripheral. */
#import <CoreBluetooth/CBManager.h>
#import <CoreBluetooth/CBPeripheralManager.h>
