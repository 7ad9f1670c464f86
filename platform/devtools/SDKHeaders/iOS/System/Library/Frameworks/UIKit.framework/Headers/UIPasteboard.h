/* UIPasteboard.h: the general and named pasteboards: items by type, strings, URLs, images and colours. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

@class UIImage, UIColor, NSItemProvider;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *UIPasteboardName NS_TYPED_EXTENSIBLE_ENUM;
typedef NSString *UIPasteboardOption NS_TYPED_ENUM;

UIKIT_EXTERN UIPasteboardName const UIPasteboardNameGeneral;
UIKIT_EXTERN NSString *const UIPasteboardNameFind API_DEPRECATED("The Find pasteboard is no longer available.",
                                                                   ios(3.0, 10.0));
UIKIT_EXTERN UIPasteboardOption const UIPasteboardOptionExpirationDate API_AVAILABLE(ios(10.0));
UIKIT_EXTERN UIPasteboardOption const UIPasteboardOptionLocalOnly API_AVAILABLE(ios(10.0));

@interface UIPasteboard : NSObject
@property (class, nonatomic, readonly) UIPasteboard *generalPasteboard;
+ (nullable UIPasteboard *)pasteboardWithName:(UIPasteboardName)pasteboardName create:(BOOL)create;
+ (UIPasteboard *)pasteboardWithUniqueName;
@property (readonly, nonatomic) UIPasteboardName name;
+ (void)removePasteboardWithName:(UIPasteboardName)pasteboardName;
@property (readonly, getter=isPersistent, nonatomic) BOOL persistent;
@property (readonly, nonatomic) NSInteger changeCount;
@property (nonatomic, copy) NSArray<__kindof NSItemProvider *> *itemProviders API_AVAILABLE(ios(11.0));
@property (readonly, nonatomic) NSArray<NSString *> *pasteboardTypes;
- (BOOL)containsPasteboardTypes:(NSArray<NSString *> *)pasteboardTypes;
- (nullable NSData *)dataForPasteboardType:(NSString *)pasteboardType;
- (nullable id)valueForPasteboardType:(NSString *)pasteboardType;
- (void)setValue:(id)value forPasteboardType:(NSString *)pasteboardType;
- (void)setData:(NSData *)data forPasteboardType:(NSString *)pasteboardType;
@property (readonly, nonatomic) NSInteger numberOfItems;
- (nullable NSArray<NSArray<NSString *> *> *)pasteboardTypesForItemSet:(nullable NSIndexSet *)itemSet;
- (nullable NSArray *)dataForPasteboardType:(NSString *)pasteboardType inItemSet:(nullable NSIndexSet *)itemSet;
@property (nonatomic, copy) NSArray<NSDictionary<NSString *, id> *> *items;
- (void)addItems:(NSArray<NSDictionary<NSString *, id> *> *)items;
- (void)setItems:(NSArray<NSDictionary<NSString *, id> *> *)items
         options:(NSDictionary<UIPasteboardOption, id> *)options API_AVAILABLE(ios(10.0));
@property (nullable, nonatomic, copy) NSString *string;
@property (nullable, nonatomic, copy) NSArray<NSString *> *strings;
@property (nullable, nonatomic, copy) NSURL *URL;
@property (nullable, nonatomic, copy) NSArray<NSURL *> *URLs;
@property (nullable, nonatomic, copy) UIImage *image;
@property (nullable, nonatomic, copy) NSArray<UIImage *> *images;
@property (nullable, nonatomic, copy) UIColor *color;
@property (nullable, nonatomic, copy) NSArray<UIColor *> *colors;
@property (nonatomic, readonly) BOOL hasStrings API_AVAILABLE(ios(10.0));
@property (nonatomic, readonly) BOOL hasURLs API_AVAILABLE(ios(10.0));
@property (nonatomic, readonly) BOOL hasImages API_AVAILABLE(ios(10.0));
@property (nonatomic, readonly) BOOL hasColors API_AVAILABLE(ios(10.0));
@end

UIKIT_EXTERN NSNotificationName const UIPasteboardChangedNotification;
UIKIT_EXTERN NSString *const UIPasteboardChangedTypesAddedKey;
UIKIT_EXTERN NSString *const UIPasteboardChangedTypesRemovedKey;
UIKIT_EXTERN NSNotificationName const UIPasteboardRemovedNotification;
UIKIT_EXTERN NSArray<NSString *> *UIPasteboardTypeListString;
UIKIT_EXTERN NSArray<NSString *> *UIPasteboardTypeListURL;
UIKIT_EXTERN NSArray<NSString *> *UIPasteboardTypeListImage;
UIKIT_EXTERN NSArray<NSString *> *UIPasteboardTypeListColor;
UIKIT_EXTERN NSString *const UIPasteboardTypeAutomatic API_AVAILABLE(ios(15.0));

NS_ASSUME_NONNULL_END
