/* UIDataDetectors.h: the kinds of data (links, phone numbers, addresses...) that text views detect. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

typedef NS_OPTIONS(NSUInteger, UIDataDetectorTypes) {
    UIDataDetectorTypePhoneNumber = 1 << 0,
    UIDataDetectorTypeLink = 1 << 1,
    UIDataDetectorTypeAddress API_AVAILABLE(ios(4.0)) = 1 << 2,
    UIDataDetectorTypeCalendarEvent API_AVAILABLE(ios(4.0)) = 1 << 3,
    UIDataDetectorTypeShipmentTrackingNumber API_AVAILABLE(ios(10.0)) = 1 << 4,
    UIDataDetectorTypeFlightNumber API_AVAILABLE(ios(10.0)) = 1 << 5,
    UIDataDetectorTypeLookupSuggestion API_AVAILABLE(ios(10.0)) = 1 << 6,
    UIDataDetectorTypeMoney API_AVAILABLE(ios(16.0)) = 1 << 7,
    UIDataDetectorTypePhysicalValue API_AVAILABLE(ios(16.0)) = 1 << 8,
    UIDataDetectorTypeNone = 0,
    UIDataDetectorTypeAll = NSUIntegerMax
};
