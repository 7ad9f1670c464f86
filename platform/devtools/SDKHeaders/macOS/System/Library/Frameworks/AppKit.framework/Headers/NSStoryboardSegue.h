/* NSStoryboardSegue.h: the transitions of a storyboard between two controllers, and the controllers that perform
   them. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSStoryboardSegueIdentifier NS_SWIFT_BRIDGED_TYPEDEF;

API_AVAILABLE(macos(10.10))
@interface NSStoryboardSegue : NSObject
+ (instancetype)segueWithIdentifier:(NSStoryboardSegueIdentifier)identifier
                             source:(id)sourceController
                        destination:(id)destinationController
                     performHandler:(void (^)(void))performHandler;
- (instancetype)initWithIdentifier:(NSStoryboardSegueIdentifier)identifier
                            source:(id)sourceController
                       destination:(id)destinationController NS_DESIGNATED_INITIALIZER;
@property (nullable, readonly, copy) NSStoryboardSegueIdentifier identifier;
@property (readonly, strong) id sourceController;
@property (readonly, strong) id destinationController;
- (void)perform;
@end

@protocol NSSeguePerforming <NSObject>
@optional
- (void)prepareForSegue:(NSStoryboardSegue *)segue sender:(nullable id)sender API_AVAILABLE(macos(10.10));
- (void)performSegueWithIdentifier:(NSStoryboardSegueIdentifier)identifier
                            sender:(nullable id)sender API_AVAILABLE(macos(10.10));
- (BOOL)shouldPerformSegueWithIdentifier:(NSStoryboardSegueIdentifier)identifier
                                  sender:(nullable id)sender API_AVAILABLE(macos(10.10));
@end

NS_ASSUME_NONNULL_END
