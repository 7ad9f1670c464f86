/* NSNibLoading.h: the messages that objects loaded from a nib file receive once the whole nib has been loaded. */
#import <Foundation/NSObject.h>
#import <AppKit/AppKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSObject (NSNibAwaking)
- (void)awakeFromNib NS_REQUIRES_SUPER;
- (void)prepareForInterfaceBuilder API_AVAILABLE(macos(10.10));
@end

NS_ASSUME_NONNULL_END
