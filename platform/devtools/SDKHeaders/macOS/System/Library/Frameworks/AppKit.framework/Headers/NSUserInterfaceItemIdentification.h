/* NSUserInterfaceItemIdentification.h: the identifier that views, menu items, table columns and toolbar items carry,
   by which state restoration and view reuse find them again. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSUserInterfaceItemIdentifier NS_SWIFT_BRIDGED_TYPEDEF;

@protocol NSUserInterfaceItemIdentification
@property (nullable, copy) NSUserInterfaceItemIdentifier identifier API_AVAILABLE(macos(10.7));
@end

NS_ASSUME_NONNULL_END
