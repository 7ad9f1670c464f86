/* NSScriptExecutionContext.h: the context in which a script's object specifiers are evaluated. */
#import <Foundation/NSObject.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSScriptExecutionContext : NSObject
+ (NSScriptExecutionContext *)sharedScriptExecutionContext;
@property (nullable, retain) id topLevelObject;
@property (nullable, retain) id objectBeingTested;
@property (nullable, retain) id rangeContainerObject;
@end

NS_ASSUME_NONNULL_END
