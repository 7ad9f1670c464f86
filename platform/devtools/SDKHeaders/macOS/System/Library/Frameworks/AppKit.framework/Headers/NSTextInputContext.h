/* NSTextInputContext.h: the link between a text view and the system's input methods. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSEvent;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.6))
@interface NSTextInputContext : NSObject
@property (class, readonly, nullable, strong) NSTextInputContext *currentInputContext;
- (instancetype)initWithClient:(id)client NS_DESIGNATED_INITIALIZER;
@property (readonly, strong) id client;
- (void)activate;
- (void)deactivate;
- (BOOL)handleEvent:(NSEvent *)event;
- (void)discardMarkedText;
- (void)invalidateCharacterCoordinates;
@end

NS_ASSUME_NONNULL_END
