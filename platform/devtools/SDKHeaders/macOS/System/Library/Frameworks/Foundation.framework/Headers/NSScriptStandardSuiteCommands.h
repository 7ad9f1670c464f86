/* NSScriptStandardSuiteCommands.h: the commands of the standard scripting suite (close, count, make, delete, ...). */
#import <Foundation/NSScriptCommand.h>

@class NSDictionary<KeyType, ObjectType>, NSScriptClassDescription, NSScriptObjectSpecifier, NSString;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSSaveOptions) {
    NSSaveOptionsYes = 0,
    NSSaveOptionsNo,
    NSSaveOptionsAsk
};

@interface NSCloneCommand : NSScriptCommand
- (void)setReceiversSpecifier:(nullable NSScriptObjectSpecifier *)receiversRef;
@property (readonly, retain) NSScriptObjectSpecifier *keySpecifier;
@end

@interface NSCloseCommand : NSScriptCommand
@property (readonly) NSSaveOptions saveOptions;
@end

@interface NSCountCommand : NSScriptCommand
@end

@interface NSCreateCommand : NSScriptCommand
@property (readonly, retain) NSScriptClassDescription *createClassDescription;
@property (readonly, copy) NSDictionary<NSString *, id> *resolvedKeyDictionary;
@end

@interface NSDeleteCommand : NSScriptCommand
- (void)setReceiversSpecifier:(nullable NSScriptObjectSpecifier *)receiversRef;
@property (readonly, retain) NSScriptObjectSpecifier *keySpecifier;
@end

@interface NSExistsCommand : NSScriptCommand
@end

@interface NSGetCommand : NSScriptCommand
@end

@interface NSMoveCommand : NSScriptCommand
- (void)setReceiversSpecifier:(nullable NSScriptObjectSpecifier *)receiversRef;
@property (readonly, retain) NSScriptObjectSpecifier *keySpecifier;
@end

@interface NSQuitCommand : NSScriptCommand
@property (readonly) NSSaveOptions saveOptions;
@end

@interface NSSetCommand : NSScriptCommand
- (void)setReceiversSpecifier:(nullable NSScriptObjectSpecifier *)receiversRef;
@property (readonly, retain) NSScriptObjectSpecifier *keySpecifier;
@end

NS_ASSUME_NONNULL_END
