/* NSPreferencePane.h: panes of System Preferences. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKit.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSPreferencePaneUnselectReply) {
    NSUnselectCancel = 0,
    NSUnselectNow = 1,
    NSUnselectLater = 2
};

@interface NSPreferencePane : NSObject
- (instancetype)initWithBundle:(NSBundle *)bundle;
@property (readonly, strong) NSBundle *bundle;
- (NSView *)loadMainView;
- (void)mainViewDidLoad;
@property (nullable, readonly, copy) NSString *mainNibName;
- (void)willSelect;
- (void)didSelect;
- (NSPreferencePaneUnselectReply)shouldUnselect;
- (void)replyToShouldUnselect:(BOOL)shouldUnselect;
- (void)willUnselect;
- (void)didUnselect;
@property (nullable, strong) NSView *mainView;
@property (readonly, getter=isSelected) BOOL selected;
@end

NS_ASSUME_NONNULL_END
