/* NSFontManager.h: the font manager: the fonts and families installed, font conversion by trait, weight and size,
   and the font panel and menu it drives. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSMenu.h>

@class NSFont, NSFontPanel, NSFontDescriptor, NSMenu;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSFontTraitMask) {
    NSItalicFontMask = 0x00000001,
    NSBoldFontMask = 0x00000002,
    NSUnboldFontMask = 0x00000004,
    NSNonStandardCharacterSetFontMask = 0x00000008,
    NSNarrowFontMask = 0x00000010,
    NSExpandedFontMask = 0x00000020,
    NSCondensedFontMask = 0x00000040,
    NSSmallCapsFontMask = 0x00000080,
    NSPosterFontMask = 0x00000100,
    NSCompressedFontMask = 0x00000200,
    NSFixedPitchFontMask = 0x00000400,
    NSUnitalicFontMask = 0x01000000
};

typedef NS_OPTIONS(NSUInteger, NSFontCollectionOptions) {
    NSFontCollectionApplicationOnlyMask = 1 << 0
};

typedef NS_ENUM(NSUInteger, NSFontAction) {
    NSNoFontChangeAction = 0,
    NSViaPanelFontAction = 1,
    NSAddTraitFontAction = 2,
    NSSizeUpFontAction = 3,
    NSSizeDownFontAction = 4,
    NSHeavierFontAction = 5,
    NSLighterFontAction = 6,
    NSRemoveTraitFontAction = 7
};

@interface NSFontManager : NSObject
+ (void)setFontPanelFactory:(nullable Class)factoryId;
+ (void)setFontManagerFactory:(nullable Class)factoryId;
@property (class, readonly, strong) NSFontManager *sharedFontManager;
@property (getter=isMultiple, readonly) BOOL multiple;
@property (nullable, readonly, strong) NSFont *selectedFont;
- (void)setSelectedFont:(NSFont *)fontObj isMultiple:(BOOL)flag;
- (void)setFontMenu:(NSMenu *)newMenu;
- (nullable NSMenu *)fontMenu:(BOOL)create;
- (nullable NSFontPanel *)fontPanel:(BOOL)create;
- (nullable NSFont *)fontWithFamily:(NSString *)family traits:(NSFontTraitMask)traits weight:(NSInteger)weight size:(CGFloat)size;
- (NSFontTraitMask)traitsOfFont:(NSFont *)fontObj;
- (NSInteger)weightOfFont:(NSFont *)fontObj;
@property (readonly, strong) NSArray<NSString *> *availableFonts;
@property (readonly, strong) NSArray<NSString *> *availableFontFamilies;
- (nullable NSArray<NSArray *> *)availableMembersOfFontFamily:(NSString *)fam;
- (NSFont *)convertFont:(NSFont *)fontObj;
- (NSFont *)convertFont:(NSFont *)fontObj toSize:(CGFloat)size;
- (nullable NSFont *)convertFont:(NSFont *)fontObj toFace:(NSString *)typeface;
- (NSFont *)convertFont:(NSFont *)fontObj toFamily:(NSString *)family;
- (NSFont *)convertFont:(NSFont *)fontObj toHaveTrait:(NSFontTraitMask)trait;
- (NSFont *)convertFont:(NSFont *)fontObj toNotHaveTrait:(NSFontTraitMask)trait;
- (NSFont *)convertWeight:(BOOL)upFlag ofFont:(NSFont *)fontObj;
@property (getter=isEnabled) BOOL enabled;
@property SEL action;
@property (nullable, weak) id delegate API_DEPRECATED("", macos(10.0, 10.11));
- (BOOL)sendAction;
- (nullable NSString *)localizedNameForFamily:(NSString *)family face:(nullable NSString *)faceKey;
- (void)setSelectedAttributes:(NSDictionary<NSString *, id> *)attributes isMultiple:(BOOL)flag;
- (NSDictionary<NSString *, id> *)convertAttributes:(NSDictionary<NSString *, id> *)attributes;
- (nullable NSArray *)availableFontNamesMatchingFontDescriptor:(NSFontDescriptor *)descriptor API_DEPRECATED("", macos(10.0, 10.5));
@property (readonly, copy) NSArray<NSString *> *collectionNames;
- (nullable NSArray<NSFontDescriptor *> *)fontDescriptorsInCollection:(NSString *)collectionNames;
- (BOOL)addCollection:(NSString *)collectionName options:(NSFontCollectionOptions)collectionOptions;
- (BOOL)removeCollection:(NSString *)collectionName;
- (void)addFontDescriptors:(NSArray<NSFontDescriptor *> *)descriptors toCollection:(NSString *)collectionName;
- (void)removeFontDescriptor:(NSFontDescriptor *)descriptor fromCollection:(NSString *)collection;
@property (readonly) NSFontAction currentFontAction API_AVAILABLE(macos(10.5));
- (NSFontTraitMask)convertFontTraits:(NSFontTraitMask)traits API_AVAILABLE(macos(10.5));
@property (nullable, weak) id target API_AVAILABLE(macos(10.5));
- (BOOL)fontNamed:(NSString *)fontName hasTraits:(NSFontTraitMask)traits;
- (nullable NSArray<NSString *> *)availableFontNamesWithTraits:(NSFontTraitMask)traits;
- (void)addFontTrait:(nullable id)sender;
- (void)removeFontTrait:(nullable id)sender;
- (void)modifyFontViaPanel:(nullable id)sender;
- (void)modifyFont:(nullable id)sender;
- (void)orderFrontFontPanel:(nullable id)sender;
- (void)orderFrontStylesPanel:(nullable id)sender;
@end

@interface NSObject (NSFontManagerResponderMethod)
- (void)changeFont:(nullable id)sender API_DEPRECATED("Use NSFontChanging", macos(10.0, 10.14));
@end

NS_ASSUME_NONNULL_END
