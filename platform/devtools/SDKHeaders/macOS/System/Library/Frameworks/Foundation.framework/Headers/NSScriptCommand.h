/* NSScriptCommand.h: a scripting command being run: its receivers, arguments, result, errors and suspension. */
#import <Foundation/NSObject.h>

@class NSAppleEventDescriptor, NSDictionary<KeyType, ObjectType>, NSScriptCommandDescription,
    NSScriptObjectSpecifier, NSString;

NS_ASSUME_NONNULL_BEGIN

NS_ENUM(NSInteger){
    NSNoScriptError = 0,
    NSReceiverEvaluationScriptError,
    NSKeySpecifierEvaluationScriptError,
    NSArgumentEvaluationScriptError,
    NSReceiversCantHandleCommandScriptError,
    NSRequiredArgumentsMissingScriptError,
    NSArgumentsWrongScriptError,
    NSUnknownKeyScriptError,
    NSInternalScriptError,
    NSOperationNotSupportedForKeyScriptError,
    NSCannotCreateScriptCommandError
};

@interface NSScriptCommand : NSObject <NSCoding>
- (instancetype)initWithCommandDescription:(NSScriptCommandDescription *)commandDef NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)inCoder NS_DESIGNATED_INITIALIZER;
@property (readonly, retain) NSScriptCommandDescription *commandDescription;
@property (nullable, retain) id directParameter;
@property (nullable, retain) NSScriptObjectSpecifier *receiversSpecifier;
@property (nullable, readonly, retain) id evaluatedReceivers;
@property (nullable, copy) NSDictionary<NSString *, id> *arguments;
@property (nullable, readonly, copy) NSDictionary<NSString *, id> *evaluatedArguments;
@property (getter=isWellFormed, readonly) BOOL wellFormed;
- (nullable id)performDefaultImplementation;
- (nullable id)executeCommand;
@property NSInteger scriptErrorNumber;
@property (nullable, retain) NSAppleEventDescriptor *scriptErrorOffendingObjectDescriptor;
@property (nullable, retain) NSAppleEventDescriptor *scriptErrorExpectedTypeDescriptor;
@property (nullable, copy) NSString *scriptErrorString;
+ (nullable NSScriptCommand *)currentCommand;
@property (nullable, readonly, retain) NSAppleEventDescriptor *appleEvent;
- (void)suspendExecution;
- (void)resumeExecutionWithResult:(nullable id)result;
@end

NS_ASSUME_NONNULL_END
