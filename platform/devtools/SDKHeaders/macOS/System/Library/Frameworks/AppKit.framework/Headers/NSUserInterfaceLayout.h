/* NSUserInterfaceLayout.h: layout directions and orientations shared by views and controls. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

typedef NS_ENUM(NSInteger, NSUserInterfaceLayoutDirection) {
    NSUserInterfaceLayoutDirectionLeftToRight = 0,
    NSUserInterfaceLayoutDirectionRightToLeft = 1
} API_AVAILABLE(macos(10.8));

typedef NS_ENUM(NSInteger, NSUserInterfaceLayoutOrientation) {
    NSUserInterfaceLayoutOrientationHorizontal = 0,
    NSUserInterfaceLayoutOrientationVertical = 1
} API_AVAILABLE(macos(10.9));
