/* HomeKit.h: the user's homes and their accessories; here the home manager and its homes. */
#import <HomeKit/HMHomeManager.h>
#import <HomeKit/HMHome.h>
