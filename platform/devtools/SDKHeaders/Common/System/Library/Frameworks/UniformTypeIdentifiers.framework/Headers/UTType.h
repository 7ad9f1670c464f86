/* UTType.h: a uniform type identifier: its identifier, tags, description and place in the conformance hierarchy. */
#import <Foundation/Foundation.h>
#import <UniformTypeIdentifiers/UTDefines.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0))
@interface UTType : NSObject <NSCopying, NSSecureCoding>

+ (nullable instancetype)typeWithIdentifier:(NSString *)identifier;
+ (nullable instancetype)typeWithFilenameExtension:(NSString *)filenameExtension;
+ (nullable instancetype)typeWithFilenameExtension:(NSString *)filenameExtension
                                  conformingToType:(UTType *)supertype;
+ (nullable instancetype)typeWithMIMEType:(NSString *)mimeType;
+ (nullable instancetype)typeWithMIMEType:(NSString *)mimeType conformingToType:(UTType *)supertype;
+ (nullable instancetype)typeWithTag:(NSString *)tag tagClass:(NSString *)tagClass
                    conformingToType:(nullable UTType *)supertype;
+ (NSArray<UTType *> *)typesWithTag:(NSString *)tag tagClass:(NSString *)tagClass
                   conformingToType:(nullable UTType *)supertype;
+ (instancetype)exportedTypeWithIdentifier:(NSString *)identifier;
+ (instancetype)importedTypeWithIdentifier:(NSString *)identifier;

- (instancetype)init NS_UNAVAILABLE;
+ (instancetype)new NS_UNAVAILABLE;

@property (readonly, copy) NSString *identifier;
@property (readonly, nullable, copy) NSString *preferredFilenameExtension;
@property (readonly, nullable, copy) NSString *preferredMIMEType;
@property (readonly, nullable, copy) NSString *localizedDescription;
@property (readonly, nullable, copy) NSNumber *version;
@property (readonly, nullable, copy) NSURL *referenceURL;
@property (readonly, getter=isDynamic) BOOL dynamic;
@property (readonly, getter=isDeclared) BOOL declared;
@property (readonly, getter=isPublicType) BOOL publicType;
@property (readonly, copy) NSDictionary<NSString *, NSArray<NSString *> *> *tags;
@property (readonly, copy) NSSet<UTType *> *supertypes;

- (BOOL)conformsToType:(UTType *)type;
- (BOOL)isSupertypeOfType:(UTType *)type;
- (BOOL)isSubtypeOfType:(UTType *)type;

@end

NS_ASSUME_NONNULL_END
