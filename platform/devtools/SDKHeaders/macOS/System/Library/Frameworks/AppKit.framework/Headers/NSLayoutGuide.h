/* NSLayoutGuide.h: rectangles that take part in Auto Layout without being views. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSLayoutAnchor.h>
#import <AppKit/NSLayoutConstraint.h>
#import <AppKit/NSUserInterfaceItemIdentification.h>

@class NSView;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.11))
@interface NSLayoutGuide : NSObject <NSCoding, NSUserInterfaceItemIdentification>
@property (readonly) NSRect frame;
@property (weak, nullable) NSView *owningView;
@property (copy) NSUserInterfaceItemIdentifier identifier;
@property (readonly, strong) NSLayoutXAxisAnchor *leadingAnchor;
@property (readonly, strong) NSLayoutXAxisAnchor *trailingAnchor;
@property (readonly, strong) NSLayoutXAxisAnchor *leftAnchor;
@property (readonly, strong) NSLayoutXAxisAnchor *rightAnchor;
@property (readonly, strong) NSLayoutYAxisAnchor *topAnchor;
@property (readonly, strong) NSLayoutYAxisAnchor *bottomAnchor;
@property (readonly, strong) NSLayoutDimension *widthAnchor;
@property (readonly, strong) NSLayoutDimension *heightAnchor;
@property (readonly, strong) NSLayoutXAxisAnchor *centerXAnchor;
@property (readonly, strong) NSLayoutYAxisAnchor *centerYAnchor;
@property (readonly) BOOL hasAmbiguousLayout API_AVAILABLE(macos(10.12));
- (NSArray<NSLayoutConstraint *> *)constraintsAffectingLayoutForOrientation:(NSLayoutConstraintOrientation)orientation
    API_AVAILABLE(macos(10.12));
@end

NS_ASSUME_NONNULL_END
