/* NSUserDefaultsController.h: a controller that binds user defaults to views, with initial values and reverting. */
#import <AppKit/NSArrayController.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSUserDefaultsController : NSController
@property (class, readonly, strong) NSUserDefaultsController *sharedUserDefaultsController;
- (instancetype)initWithDefaults:(nullable NSUserDefaults *)defaults
                   initialValues:(nullable NSDictionary<NSString *, id> *)initialValues NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (readonly, strong) NSUserDefaults *defaults;
@property (nullable, copy) NSDictionary<NSString *, id> *initialValues;
@property BOOL appliesImmediately;
@property (readonly) BOOL hasUnappliedChanges;
@property (readonly, strong) id values;
- (void)revert:(nullable id)sender;
- (void)save:(nullable id)sender;
- (void)revertToInitialValues:(nullable id)sender;
@end

NS_ASSUME_NONNULL_END
