/* NSUndoManager.h: recording operations so that they can be undone and redone, in groups, with their names. */
#import <Foundation/NSObject.h>
#import <Foundation/NSNotification.h>
#import <Foundation/NSRunLoop.h>

@class NSArray<ObjectType>, NSString;

NS_ASSUME_NONNULL_BEGIN

static const NSUInteger NSUndoCloseGroupingRunLoopOrdering = 350000;

API_AVAILABLE(macos(10.0), ios(3.0))
@interface NSUndoManager : NSObject
- (void)beginUndoGrouping;
- (void)endUndoGrouping;
@property (readonly) NSInteger groupingLevel;
- (void)disableUndoRegistration;
- (void)enableUndoRegistration;
@property (readonly, getter=isUndoRegistrationEnabled) BOOL undoRegistrationEnabled;
@property BOOL groupsByEvent;
@property NSUInteger levelsOfUndo;
@property (copy) NSArray<NSRunLoopMode> *runLoopModes;
- (void)undo;
- (void)redo;
- (void)undoNestedGroup;
@property (readonly) BOOL canUndo;
@property (readonly) BOOL canRedo;
@property (readonly, getter=isUndoing) BOOL undoing;
@property (readonly, getter=isRedoing) BOOL redoing;
- (void)removeAllActions;
- (void)removeAllActionsWithTarget:(id)target;
- (void)registerUndoWithTarget:(id)target selector:(SEL)selector object:(nullable id)anObject;
- (id)prepareWithInvocationTarget:(id)target;
- (void)registerUndoWithTarget:(id)target handler:(void (^)(id target))undoHandler
    API_AVAILABLE(macos(10.11), ios(9.0));
- (void)setActionIsDiscardable:(BOOL)discardable API_AVAILABLE(macos(10.7), ios(5.0));
@property (readonly) BOOL undoActionIsDiscardable API_AVAILABLE(macos(10.7), ios(5.0));
@property (readonly) BOOL redoActionIsDiscardable API_AVAILABLE(macos(10.7), ios(5.0));
@property (readonly, copy) NSString *undoActionName;
@property (readonly, copy) NSString *redoActionName;
- (void)setActionName:(NSString *)actionName;
@property (readonly, copy) NSString *undoMenuItemTitle;
@property (readonly, copy) NSString *redoMenuItemTitle;
- (NSString *)undoMenuTitleForUndoActionName:(NSString *)actionName;
- (NSString *)redoMenuTitleForUndoActionName:(NSString *)actionName;
@end

FOUNDATION_EXPORT NSString *const NSUndoManagerGroupIsDiscardableKey API_AVAILABLE(macos(10.7), ios(5.0));
FOUNDATION_EXPORT NSNotificationName const NSUndoManagerCheckpointNotification API_AVAILABLE(macos(10.0), ios(3.0));
FOUNDATION_EXPORT NSNotificationName const NSUndoManagerWillUndoChangeNotification
    API_AVAILABLE(macos(10.0), ios(3.0));
FOUNDATION_EXPORT NSNotificationName const NSUndoManagerWillRedoChangeNotification
    API_AVAILABLE(macos(10.0), ios(3.0));
FOUNDATION_EXPORT NSNotificationName const NSUndoManagerDidUndoChangeNotification API_AVAILABLE(macos(10.0), ios(3.0));
FOUNDATION_EXPORT NSNotificationName const NSUndoManagerDidRedoChangeNotification API_AVAILABLE(macos(10.0), ios(3.0));
FOUNDATION_EXPORT NSNotificationName const NSUndoManagerDidOpenUndoGroupNotification
    API_AVAILABLE(macos(10.0), ios(3.0));
FOUNDATION_EXPORT NSNotificationName const NSUndoManagerWillCloseUndoGroupNotification
    API_AVAILABLE(macos(10.0), ios(3.0));
FOUNDATION_EXPORT NSNotificationName const NSUndoManagerDidCloseUndoGroupNotification
    API_AVAILABLE(macos(10.7), ios(5.0));

NS_ASSUME_NONNULL_END
