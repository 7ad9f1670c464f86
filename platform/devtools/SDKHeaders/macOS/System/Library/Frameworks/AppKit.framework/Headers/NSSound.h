/* NSSound.h: sounds loaded from files, data or by name, played, paused and looped. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSPasteboard.h>

@protocol NSSoundDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSSoundName NS_SWIFT_BRIDGED_TYPEDEF;
typedef NSString *NSSoundPlaybackDeviceIdentifier NS_SWIFT_BRIDGED_TYPEDEF;

APPKIT_EXTERN NSPasteboardType const NSSoundPboardType;

@interface NSSound : NSObject <NSCopying, NSSecureCoding, NSPasteboardReading, NSPasteboardWriting>
+ (nullable NSSound *)soundNamed:(NSSoundName)name;
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url byReference:(BOOL)byRef;
- (nullable instancetype)initWithContentsOfFile:(NSString *)path byReference:(BOOL)byRef;
- (nullable instancetype)initWithData:(NSData *)data;
- (BOOL)setName:(nullable NSSoundName)string;
@property (nullable, readonly, copy) NSSoundName name;
+ (BOOL)canInitWithPasteboard:(NSPasteboard *)pasteboard;
@property (class, readonly, copy) NSArray<NSString *> *soundUnfilteredTypes API_AVAILABLE(macos(10.5));
- (nullable instancetype)initWithPasteboard:(NSPasteboard *)pasteboard;
- (void)writeToPasteboard:(NSPasteboard *)pasteboard;
- (BOOL)play;
- (BOOL)pause;
- (BOOL)resume;
- (BOOL)stop;
@property (readonly, getter=isPlaying) BOOL playing;
@property (nullable, weak) id<NSSoundDelegate> delegate;
@property (readonly) NSTimeInterval duration API_AVAILABLE(macos(10.5));
@property float volume API_AVAILABLE(macos(10.5));
@property NSTimeInterval currentTime API_AVAILABLE(macos(10.5));
@property BOOL loops API_AVAILABLE(macos(10.5));
@property (nullable, copy) NSSoundPlaybackDeviceIdentifier playbackDeviceIdentifier API_AVAILABLE(macos(10.5));
@end

@protocol NSSoundDelegate <NSObject>
@optional
- (void)sound:(NSSound *)sound didFinishPlaying:(BOOL)flag;
@end

@interface NSBundle (NSBundleSoundExtensions)
- (nullable NSString *)pathForSoundResource:(NSSoundName)name;
@end

NS_ASSUME_NONNULL_END
