/* NSColorList.h: named lists of colours: the system's and the user's, kept by name and key. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSColor, NSBundle;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSColorListName NS_SWIFT_BRIDGED_TYPEDEF;
typedef NSString *NSColorName NS_SWIFT_BRIDGED_TYPEDEF;

@interface NSColorList : NSObject <NSSecureCoding>
@property (class, readonly, copy) NSArray<NSColorList *> *availableColorLists;
+ (nullable NSColorList *)colorListNamed:(NSColorListName)name;
- (instancetype)initWithName:(NSColorListName)name;
- (nullable instancetype)initWithName:(NSColorListName)name fromFile:(nullable NSString *)path;
@property (nullable, readonly, copy) NSColorListName name;
- (void)setColor:(NSColor *)color forKey:(NSColorName)key;
- (void)insertColor:(NSColor *)color key:(NSColorName)key atIndex:(NSUInteger)loc;
- (void)removeColorWithKey:(NSColorName)key;
- (nullable NSColor *)colorWithKey:(NSColorName)key;
@property (readonly, copy) NSArray<NSColorName> *allKeys;
@property (readonly, getter=isEditable) BOOL editable;
- (BOOL)writeToURL:(nullable NSURL *)url error:(NSError **)errPtr API_AVAILABLE(macos(10.11));
- (void)removeFile;
@end

APPKIT_EXTERN NSNotificationName NSColorListDidChangeNotification;

NS_ASSUME_NONNULL_END
