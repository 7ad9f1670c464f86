/* WatchKit.h: the interface objects, interface controllers and extension object of watchOS apps. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKit.h>

#import <WatchKit/WKDefines.h>
#import <WatchKit/WKInterfaceDevice.h>
#import <WatchKit/WKInterfaceController.h>
#import <WatchKit/WKInterfaceObject.h>
#import <WatchKit/WKInterfaceImage.h>
#import <WatchKit/WKInterfaceLabel.h>
#import <WatchKit/WKInterfaceButton.h>
#import <WatchKit/WKInterfaceGroup.h>
#import <WatchKit/WKExtension.h>
