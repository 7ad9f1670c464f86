/* NSScreen.h: the screens attached to the computer. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSColorSpace;

NS_ASSUME_NONNULL_BEGIN

@interface NSScreen : NSObject
@property (class, readonly, copy) NSArray<NSScreen *> *screens;
@property (class, readonly, nullable, strong) NSScreen *mainScreen;
@property (readonly) NSRect frame;
@property (readonly) NSRect visibleFrame;
@property (readonly) CGFloat backingScaleFactor API_AVAILABLE(macos(10.7));
@property (nullable, readonly, strong) NSColorSpace *colorSpace;
@property (readonly) CGFloat maximumExtendedDynamicRangeColorComponentValue API_AVAILABLE(macos(10.15));
@property (readonly) CGFloat maximumPotentialExtendedDynamicRangeColorComponentValue API_AVAILABLE(macos(10.15));
@property (readonly) CGFloat maximumReferenceExtendedDynamicRangeColorComponentValue API_AVAILABLE(macos(10.15));
@property (readonly, copy) NSString *localizedName API_AVAILABLE(macos(10.15));
@property (readonly, copy) NSDictionary<NSString *, id> *deviceDescription;
@end

NS_ASSUME_NONNULL_END
