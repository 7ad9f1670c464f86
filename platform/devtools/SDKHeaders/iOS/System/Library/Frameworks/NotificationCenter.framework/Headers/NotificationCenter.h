/* NotificationCenter.h: Today widgets: the controller protocol that updates them and their display modes. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKit.h>
#import <NotificationCenter/NCWidgetProviding.h>
