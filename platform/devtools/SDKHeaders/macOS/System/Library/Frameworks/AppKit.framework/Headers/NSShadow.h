/* NSShadow.h: the shadow that drawing casts: offset, blur radius and colour. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSColor;

NS_ASSUME_NONNULL_BEGIN

@interface NSShadow : NSObject <NSCopying, NSSecureCoding>
- (instancetype)init NS_DESIGNATED_INITIALIZER;
@property NSSize shadowOffset;
@property CGFloat shadowBlurRadius;
@property (nullable, copy) NSColor *shadowColor;
- (void)set;
@end

NS_ASSUME_NONNULL_END
