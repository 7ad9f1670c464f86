/*
 * NSScriptObjectSpecifiers.h: object specifiers, the references scripts make to objects (by index, name, unique ID,
 * range, relative position or test), and the object specifier an object gives of itself.
 */
#import <Foundation/NSObject.h>

@class NSAppleEventDescriptor, NSArray<ObjectType>, NSNumber, NSScriptClassDescription, NSScriptWhoseTest, NSString;

NS_ASSUME_NONNULL_BEGIN

NS_ENUM(NSInteger){
    NSNoSpecifierError = 0,
    NSNoTopLevelContainersSpecifierError,
    NSContainerSpecifierError,
    NSUnknownKeySpecifierError,
    NSInvalidIndexSpecifierError,
    NSInternalSpecifierError,
    NSOperationNotSupportedForKeySpecifierError
};

typedef NS_ENUM(NSUInteger, NSInsertionPosition) {
    NSPositionAfter,
    NSPositionBefore,
    NSPositionBeginning,
    NSPositionEnd,
    NSPositionReplace
};

typedef NS_ENUM(NSUInteger, NSRelativePosition) {
    NSRelativeAfter = 0,
    NSRelativeBefore
};

typedef NS_ENUM(NSUInteger, NSWhoseSubelementIdentifier) {
    NSIndexSubelement = 0,
    NSEverySubelement = 1,
    NSMiddleSubelement = 2,
    NSRandomSubelement = 3,
    NSNoSubelement = 4
};

@interface NSScriptObjectSpecifier : NSObject <NSCoding>
+ (nullable NSScriptObjectSpecifier *)objectSpecifierWithDescriptor:(NSAppleEventDescriptor *)descriptor
    API_AVAILABLE(macos(10.5));
- (instancetype)initWithContainerSpecifier:(NSScriptObjectSpecifier *)container key:(NSString *)property;
- (instancetype)initWithContainerClassDescription:(NSScriptClassDescription *)classDesc
                               containerSpecifier:(nullable NSScriptObjectSpecifier *)container
                                              key:(NSString *)property NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)inCoder NS_DESIGNATED_INITIALIZER;
@property (nullable, assign) NSScriptObjectSpecifier *childSpecifier;
@property (nullable, retain) NSScriptObjectSpecifier *containerSpecifier;
@property BOOL containerIsObjectBeingTested;
@property BOOL containerIsRangeContainerObject;
@property (copy) NSString *key;
@property (nullable, retain) NSScriptClassDescription *containerClassDescription;
@property (nullable, readonly, retain) NSScriptClassDescription *keyClassDescription;
- (nullable NSInteger *)indicesOfObjectsByEvaluatingWithContainer:(id)container
                                                            count:(NSInteger *)count NS_RETURNS_INNER_POINTER;
- (nullable id)objectsByEvaluatingWithContainers:(id)containers;
@property (nullable, readonly, retain) id objectsByEvaluatingSpecifier;
@property NSInteger evaluationErrorNumber;
@property (nullable, readonly, retain) NSScriptObjectSpecifier *evaluationErrorSpecifier;
@property (nullable, readonly, copy) NSAppleEventDescriptor *descriptor API_AVAILABLE(macos(10.5));
@end

@interface NSObject (NSScriptObjectSpecifiers)
@property (nullable, readonly, retain) NSScriptObjectSpecifier *objectSpecifier;
- (nullable NSArray<NSNumber *> *)indicesOfObjectsByEvaluatingObjectSpecifier:(NSScriptObjectSpecifier *)specifier;
@end

@interface NSIndexSpecifier : NSScriptObjectSpecifier
- (instancetype)initWithContainerClassDescription:(NSScriptClassDescription *)classDesc
                               containerSpecifier:(nullable NSScriptObjectSpecifier *)container
                                              key:(NSString *)property
                                            index:(NSInteger)index NS_DESIGNATED_INITIALIZER;
@property NSInteger index;
@end

@interface NSMiddleSpecifier : NSScriptObjectSpecifier
@end

@interface NSNameSpecifier : NSScriptObjectSpecifier
- (nullable instancetype)initWithCoder:(NSCoder *)inCoder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithContainerClassDescription:(NSScriptClassDescription *)classDesc
                               containerSpecifier:(nullable NSScriptObjectSpecifier *)container
                                              key:(NSString *)property
                                             name:(NSString *)name NS_DESIGNATED_INITIALIZER;
@property (copy) NSString *name;
@end

@interface NSPositionalSpecifier : NSObject
- (instancetype)initWithPosition:(NSInsertionPosition)position
                 objectSpecifier:(NSScriptObjectSpecifier *)specifier NS_DESIGNATED_INITIALIZER;
@property (readonly) NSInsertionPosition position;
@property (readonly, retain) NSScriptObjectSpecifier *objectSpecifier;
- (void)setInsertionClassDescription:(NSScriptClassDescription *)classDescription;
- (void)evaluate;
@property (nullable, readonly, retain) id insertionContainer;
@property (nullable, readonly, copy) NSString *insertionKey;
@property (readonly) NSInteger insertionIndex;
@property (readonly) BOOL insertionReplaces;
@end

@interface NSPropertySpecifier : NSScriptObjectSpecifier
@end

@interface NSRandomSpecifier : NSScriptObjectSpecifier
@end

@interface NSRangeSpecifier : NSScriptObjectSpecifier
- (nullable instancetype)initWithCoder:(NSCoder *)inCoder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithContainerClassDescription:(NSScriptClassDescription *)classDesc
                               containerSpecifier:(nullable NSScriptObjectSpecifier *)container
                                              key:(NSString *)property
                                   startSpecifier:(nullable NSScriptObjectSpecifier *)startSpec
                                     endSpecifier:(nullable NSScriptObjectSpecifier *)endSpec
    NS_DESIGNATED_INITIALIZER;
@property (nullable, retain) NSScriptObjectSpecifier *startSpecifier;
@property (nullable, retain) NSScriptObjectSpecifier *endSpecifier;
@end

@interface NSRelativeSpecifier : NSScriptObjectSpecifier
- (nullable instancetype)initWithCoder:(NSCoder *)inCoder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithContainerClassDescription:(NSScriptClassDescription *)classDesc
                               containerSpecifier:(nullable NSScriptObjectSpecifier *)container
                                              key:(NSString *)property
                                 relativePosition:(NSRelativePosition)relPos
                                    baseSpecifier:(nullable NSScriptObjectSpecifier *)baseSpecifier
    NS_DESIGNATED_INITIALIZER;
@property NSRelativePosition relativePosition;
@property (nullable, retain) NSScriptObjectSpecifier *baseSpecifier;
@end

@interface NSUniqueIDSpecifier : NSScriptObjectSpecifier
- (nullable instancetype)initWithCoder:(NSCoder *)inCoder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithContainerClassDescription:(NSScriptClassDescription *)classDesc
                               containerSpecifier:(nullable NSScriptObjectSpecifier *)container
                                              key:(NSString *)property
                                         uniqueID:(id)uniqueID NS_DESIGNATED_INITIALIZER;
@property (copy) id uniqueID;
@end

@interface NSWhoseSpecifier : NSScriptObjectSpecifier
- (nullable instancetype)initWithCoder:(NSCoder *)inCoder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithContainerClassDescription:(NSScriptClassDescription *)classDesc
                               containerSpecifier:(nullable NSScriptObjectSpecifier *)container
                                              key:(NSString *)property
                                             test:(NSScriptWhoseTest *)test NS_DESIGNATED_INITIALIZER;
@property (retain) NSScriptWhoseTest *test;
@property NSWhoseSubelementIdentifier startSubelementIdentifier;
@property NSInteger startSubelementIndex;
@property NSWhoseSubelementIdentifier endSubelementIdentifier;
@property NSInteger endSubelementIndex;
@end

NS_ASSUME_NONNULL_END
