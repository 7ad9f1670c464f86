/* NSFontDescriptor.h: font descriptors: the attributes that describe a font, its symbolic traits and the matching of
   fonts to them. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>

@class NSAffineTransform;

NS_ASSUME_NONNULL_BEGIN

typedef uint32_t NSFontSymbolicTraits;

typedef NS_OPTIONS(uint32_t, NSFontDescriptorSymbolicTraits) {
    NSFontDescriptorTraitItalic = 1u << 0,
    NSFontDescriptorTraitBold = 1u << 1,
    NSFontDescriptorTraitExpanded = 1u << 5,
    NSFontDescriptorTraitCondensed = 1u << 6,
    NSFontDescriptorTraitMonoSpace = 1u << 10,
    NSFontDescriptorTraitVertical = 1u << 11,
    NSFontDescriptorTraitUIOptimized = 1u << 12,
    NSFontDescriptorTraitTightLeading = 1u << 15,
    NSFontDescriptorTraitLooseLeading = 1u << 16,
    NSFontDescriptorTraitEmphasized = NSFontDescriptorTraitBold,
    NSFontDescriptorClassMask = 0xF0000000,
    NSFontDescriptorClassUnknown = 0u << 28,
    NSFontDescriptorClassOldStyleSerifs = 1u << 28,
    NSFontDescriptorClassTransitionalSerifs = 2u << 28,
    NSFontDescriptorClassModernSerifs = 3u << 28,
    NSFontDescriptorClassClarendonSerifs = 4u << 28,
    NSFontDescriptorClassSlabSerifs = 5u << 28,
    NSFontDescriptorClassFreeformSerifs = 7u << 28,
    NSFontDescriptorClassSansSerif = 8u << 28,
    NSFontDescriptorClassOrnamentals = 9u << 28,
    NSFontDescriptorClassScripts = 10u << 28,
    NSFontDescriptorClassSymbolic = 12u << 28
};

enum {
    NSFontItalicTrait = (1 << 0),
    NSFontBoldTrait = (1 << 1),
    NSFontExpandedTrait = (1 << 5),
    NSFontCondensedTrait = (1 << 6),
    NSFontMonoSpaceTrait = (1 << 10),
    NSFontVerticalTrait = (1 << 11),
    NSFontUIOptimizedTrait = (1 << 12)
};

typedef NSString *NSFontDescriptorAttributeName NS_TYPED_ENUM;
typedef NSString *NSFontDescriptorTraitKey NS_TYPED_ENUM;
typedef NSString *NSFontDescriptorVariationKey NS_TYPED_ENUM;
typedef NSString *NSFontDescriptorFeatureKey NS_TYPED_EXTENSIBLE_ENUM;
typedef CGFloat NSFontWeight NS_TYPED_EXTENSIBLE_ENUM;
typedef CGFloat NSFontWidth NS_TYPED_EXTENSIBLE_ENUM;
typedef NSString *NSFontDescriptorSystemDesign NS_TYPED_ENUM;
typedef NSString *NSFontTextStyle NS_TYPED_ENUM;
typedef NSString *NSFontTextStyleOptionKey NS_TYPED_ENUM;

API_AVAILABLE(macos(10.3))
@interface NSFontDescriptor : NSObject <NSCopying, NSSecureCoding>
@property (nullable, readonly, copy) NSString *postscriptName;
@property (readonly) CGFloat pointSize;
@property (nullable, readonly, copy) NSAffineTransform *matrix;
@property (readonly) NSFontDescriptorSymbolicTraits symbolicTraits;
@property (readonly) BOOL requiresFontAssetRequest API_AVAILABLE(macos(10.13));
- (nullable id)objectForKey:(NSFontDescriptorAttributeName)attribute;
@property (readonly, strong) NSDictionary<NSFontDescriptorAttributeName, id> *fontAttributes;
+ (NSFontDescriptor *)fontDescriptorWithFontAttributes:(nullable NSDictionary<NSFontDescriptorAttributeName, id> *)attributes;
+ (NSFontDescriptor *)fontDescriptorWithName:(NSString *)fontName size:(CGFloat)size;
+ (NSFontDescriptor *)fontDescriptorWithName:(NSString *)fontName matrix:(NSAffineTransform *)matrix;
- (instancetype)initWithFontAttributes:(nullable NSDictionary<NSFontDescriptorAttributeName, id> *)attributes NS_DESIGNATED_INITIALIZER;
- (NSArray<NSFontDescriptor *> *)matchingFontDescriptorsWithMandatoryKeys:(nullable NSSet<NSFontDescriptorAttributeName> *)mandatoryKeys;
- (nullable NSFontDescriptor *)matchingFontDescriptorWithMandatoryKeys:(nullable NSSet<NSFontDescriptorAttributeName> *)mandatoryKeys;
- (NSFontDescriptor *)fontDescriptorByAddingAttributes:(NSDictionary<NSFontDescriptorAttributeName, id> *)attributes;
- (NSFontDescriptor *)fontDescriptorWithSymbolicTraits:(NSFontDescriptorSymbolicTraits)symbolicTraits;
- (NSFontDescriptor *)fontDescriptorWithSize:(CGFloat)newPointSize;
- (NSFontDescriptor *)fontDescriptorWithMatrix:(NSAffineTransform *)matrix;
- (NSFontDescriptor *)fontDescriptorWithFace:(NSString *)newFace;
- (NSFontDescriptor *)fontDescriptorWithFamily:(NSString *)newFamily;
- (nullable NSFontDescriptor *)fontDescriptorWithDesign:(NSFontDescriptorSystemDesign)design API_AVAILABLE(macos(10.15));
+ (NSFontDescriptor *)preferredFontDescriptorForTextStyle:(NSFontTextStyle)style
                                                   options:(NSDictionary<NSFontTextStyleOptionKey, id> *)options
    API_AVAILABLE(macos(11.0));
@end

APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontFamilyAttribute;
APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontNameAttribute;
APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontFaceAttribute;
APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontSizeAttribute;
APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontVisibleNameAttribute;
APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontMatrixAttribute;
APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontVariationAttribute;
APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontCharacterSetAttribute;
APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontCascadeListAttribute;
APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontTraitsAttribute;
APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontFixedAdvanceAttribute;
APPKIT_EXTERN NSFontDescriptorAttributeName const NSFontFeatureSettingsAttribute;
APPKIT_EXTERN NSFontDescriptorTraitKey const NSFontSymbolicTrait;
APPKIT_EXTERN NSFontDescriptorTraitKey const NSFontWeightTrait;
APPKIT_EXTERN NSFontDescriptorTraitKey const NSFontWidthTrait;
APPKIT_EXTERN NSFontDescriptorTraitKey const NSFontSlantTrait;
APPKIT_EXTERN NSFontDescriptorVariationKey const NSFontVariationAxisIdentifierKey;
APPKIT_EXTERN NSFontDescriptorVariationKey const NSFontVariationAxisMinimumValueKey;
APPKIT_EXTERN NSFontDescriptorVariationKey const NSFontVariationAxisMaximumValueKey;
APPKIT_EXTERN NSFontDescriptorVariationKey const NSFontVariationAxisDefaultValueKey;
APPKIT_EXTERN NSFontDescriptorVariationKey const NSFontVariationAxisNameKey;
APPKIT_EXTERN NSFontDescriptorFeatureKey const NSFontFeatureTypeIdentifierKey;
APPKIT_EXTERN NSFontDescriptorFeatureKey const NSFontFeatureSelectorIdentifierKey;

APPKIT_EXTERN const NSFontWeight NSFontWeightUltraLight API_AVAILABLE(macos(10.11));
APPKIT_EXTERN const NSFontWeight NSFontWeightThin API_AVAILABLE(macos(10.11));
APPKIT_EXTERN const NSFontWeight NSFontWeightLight API_AVAILABLE(macos(10.11));
APPKIT_EXTERN const NSFontWeight NSFontWeightRegular API_AVAILABLE(macos(10.11));
APPKIT_EXTERN const NSFontWeight NSFontWeightMedium API_AVAILABLE(macos(10.11));
APPKIT_EXTERN const NSFontWeight NSFontWeightSemibold API_AVAILABLE(macos(10.11));
APPKIT_EXTERN const NSFontWeight NSFontWeightBold API_AVAILABLE(macos(10.11));
APPKIT_EXTERN const NSFontWeight NSFontWeightHeavy API_AVAILABLE(macos(10.11));
APPKIT_EXTERN const NSFontWeight NSFontWeightBlack API_AVAILABLE(macos(10.11));

APPKIT_EXTERN NSFontDescriptorSystemDesign const NSFontDescriptorSystemDesignDefault API_AVAILABLE(macos(10.15));
APPKIT_EXTERN NSFontDescriptorSystemDesign const NSFontDescriptorSystemDesignSerif API_AVAILABLE(macos(10.15));
APPKIT_EXTERN NSFontDescriptorSystemDesign const NSFontDescriptorSystemDesignMonospaced API_AVAILABLE(macos(10.15));
APPKIT_EXTERN NSFontDescriptorSystemDesign const NSFontDescriptorSystemDesignRounded API_AVAILABLE(macos(10.15));

APPKIT_EXTERN NSFontTextStyle const NSFontTextStyleLargeTitle API_AVAILABLE(macos(11.0));
APPKIT_EXTERN NSFontTextStyle const NSFontTextStyleTitle1 API_AVAILABLE(macos(11.0));
APPKIT_EXTERN NSFontTextStyle const NSFontTextStyleTitle2 API_AVAILABLE(macos(11.0));
APPKIT_EXTERN NSFontTextStyle const NSFontTextStyleTitle3 API_AVAILABLE(macos(11.0));
APPKIT_EXTERN NSFontTextStyle const NSFontTextStyleHeadline API_AVAILABLE(macos(11.0));
APPKIT_EXTERN NSFontTextStyle const NSFontTextStyleSubheadline API_AVAILABLE(macos(11.0));
APPKIT_EXTERN NSFontTextStyle const NSFontTextStyleBody API_AVAILABLE(macos(11.0));
APPKIT_EXTERN NSFontTextStyle const NSFontTextStyleCallout API_AVAILABLE(macos(11.0));
APPKIT_EXTERN NSFontTextStyle const NSFontTextStyleFootnote API_AVAILABLE(macos(11.0));
APPKIT_EXTERN NSFontTextStyle const NSFontTextStyleCaption1 API_AVAILABLE(macos(11.0));
APPKIT_EXTERN NSFontTextStyle const NSFontTextStyleCaption2 API_AVAILABLE(macos(11.0));

NS_ASSUME_NONNULL_END
