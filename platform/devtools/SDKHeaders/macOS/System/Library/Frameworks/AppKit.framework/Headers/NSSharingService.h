/* NSSharingService.h: sharing services (mail, messages, AirDrop, ...) and the picker that offers them. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSImage, NSView, NSWindow;
@protocol NSSharingServiceDelegate, NSSharingServicePickerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSSharingServiceName NS_TYPED_EXTENSIBLE_ENUM;
APPKIT_EXTERN NSSharingServiceName const NSSharingServiceNameComposeEmail API_AVAILABLE(macos(10.8));
APPKIT_EXTERN NSSharingServiceName const NSSharingServiceNameComposeMessage API_AVAILABLE(macos(10.8));
APPKIT_EXTERN NSSharingServiceName const NSSharingServiceNameSendViaAirDrop API_AVAILABLE(macos(10.8));
APPKIT_EXTERN NSSharingServiceName const NSSharingServiceNameAddToSafariReadingList API_AVAILABLE(macos(10.8));
APPKIT_EXTERN NSSharingServiceName const NSSharingServiceNameAddToIPhoto API_DEPRECATED("", macos(10.8, 13.0));
APPKIT_EXTERN NSSharingServiceName const NSSharingServiceNameAddToAperture API_DEPRECATED("", macos(10.8, 13.0));
APPKIT_EXTERN NSSharingServiceName const NSSharingServiceNameUseAsDesktopPicture API_AVAILABLE(macos(10.8));
APPKIT_EXTERN NSSharingServiceName const NSSharingServiceNamePostOnTwitter API_DEPRECATED("", macos(10.8, 13.0));
APPKIT_EXTERN NSSharingServiceName const NSSharingServiceNamePostOnFacebook API_DEPRECATED("", macos(10.8, 13.0));
APPKIT_EXTERN NSSharingServiceName const NSSharingServiceNameCloudSharing API_DEPRECATED("", macos(10.12, 14.0));

API_AVAILABLE(macos(10.8))
@interface NSSharingService : NSObject
@property (nullable, weak) id<NSSharingServiceDelegate> delegate;
@property (readonly, copy) NSString *title;
@property (readonly, strong) NSImage *image;
@property (readonly, strong) NSImage *alternateImage;
@property (copy) NSString *menuItemTitle API_AVAILABLE(macos(10.9));
@property (nullable, copy) NSArray<NSString *> *recipients API_AVAILABLE(macos(10.9));
@property (nullable, copy) NSString *subject API_AVAILABLE(macos(10.9));
@property (nullable, readonly, copy) NSString *messageBody API_AVAILABLE(macos(10.9));
@property (nullable, readonly, copy) NSURL *permanentLink API_AVAILABLE(macos(10.9));
@property (nullable, readonly, copy) NSString *accountName API_AVAILABLE(macos(10.9));
@property (nullable, readonly, copy) NSArray<NSURL *> *attachmentFileURLs API_AVAILABLE(macos(10.9));
+ (NSArray<NSSharingService *> *)sharingServicesForItems:(NSArray *)items API_DEPRECATED("", macos(10.8, 13.0));
+ (nullable NSSharingService *)sharingServiceNamed:(NSSharingServiceName)serviceName;
- (instancetype)initWithTitle:(NSString *)title image:(NSImage *)image alternateImage:(nullable NSImage *)alternateImage
                      handler:(void (^)(void))block NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
- (BOOL)canPerformWithItems:(nullable NSArray *)items;
- (void)performWithItems:(NSArray *)items;
@end

typedef NS_ENUM(NSInteger, NSSharingContentScope) {
    NSSharingContentScopeItem,
    NSSharingContentScopePartial,
    NSSharingContentScopeFull
} API_AVAILABLE(macos(10.8));

@protocol NSSharingServiceDelegate <NSObject>
@optional
- (void)sharingService:(NSSharingService *)sharingService willShareItems:(NSArray *)items;
- (void)sharingService:(NSSharingService *)sharingService didFailToShareItems:(NSArray *)items error:(NSError *)error;
- (void)sharingService:(NSSharingService *)sharingService didShareItems:(NSArray *)items;
- (NSRect)sharingService:(NSSharingService *)sharingService sourceFrameOnScreenForShareItem:(id)item;
- (NSImage *)sharingService:(NSSharingService *)sharingService transitionImageForShareItem:(id)item contentRect:(NSRect *)contentRect;
- (nullable NSWindow *)sharingService:(NSSharingService *)sharingService sourceWindowForShareItems:(NSArray *)items sharingContentScope:(NSSharingContentScope *)sharingContentScope;
@end

API_AVAILABLE(macos(10.8))
@interface NSSharingServicePicker : NSObject
@property (nullable, weak) id<NSSharingServicePickerDelegate> delegate;
- (instancetype)initWithItems:(NSArray *)items NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
- (void)showRelativeToRect:(NSRect)rect ofView:(NSView *)view preferredEdge:(NSRectEdge)preferredEdge;
- (void)close API_AVAILABLE(macos(13.0));
@end

@protocol NSSharingServicePickerDelegate <NSObject>
@optional
- (NSArray<NSSharingService *> *)sharingServicePicker:(NSSharingServicePicker *)sharingServicePicker
                              sharingServicesForItems:(NSArray *)items
                              proposedSharingServices:(NSArray<NSSharingService *> *)proposedServices;
- (nullable id<NSSharingServiceDelegate>)sharingServicePicker:(NSSharingServicePicker *)sharingServicePicker
                                    delegateForSharingService:(NSSharingService *)sharingService;
- (void)sharingServicePicker:(NSSharingServicePicker *)sharingServicePicker didChooseSharingService:(nullable NSSharingService *)service;
@end

NS_ASSUME_NONNULL_END
