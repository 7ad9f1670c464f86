/* NSSpeechSynthesizer.h: speaking text with the system's voices, and the delegate told of its progress. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@protocol NSSpeechSynthesizerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSSpeechSynthesizerVoiceName NS_SWIFT_BRIDGED_TYPEDEF;
typedef NSString *NSVoiceAttributeKey NS_TYPED_ENUM;
typedef NSString *NSSpeechPropertyKey NS_TYPED_ENUM;

APPKIT_EXTERN NSVoiceAttributeKey const NSVoiceName;
APPKIT_EXTERN NSVoiceAttributeKey const NSVoiceIdentifier;
APPKIT_EXTERN NSVoiceAttributeKey const NSVoiceAge;
APPKIT_EXTERN NSVoiceAttributeKey const NSVoiceGender;
APPKIT_EXTERN NSVoiceAttributeKey const NSVoiceDemoText;
APPKIT_EXTERN NSVoiceAttributeKey const NSVoiceLocaleIdentifier;
APPKIT_EXTERN NSSpeechPropertyKey const NSSpeechStatusProperty;
APPKIT_EXTERN NSSpeechPropertyKey const NSSpeechRateProperty;
APPKIT_EXTERN NSSpeechPropertyKey const NSSpeechPitchBaseProperty;
APPKIT_EXTERN NSSpeechPropertyKey const NSSpeechPitchModProperty;
APPKIT_EXTERN NSSpeechPropertyKey const NSSpeechVolumeProperty;
APPKIT_EXTERN NSSpeechPropertyKey const NSSpeechResetProperty;

typedef NS_ENUM(NSUInteger, NSSpeechBoundary) {
    NSSpeechImmediateBoundary = 0,
    NSSpeechWordBoundary,
    NSSpeechSentenceBoundary
};

API_DEPRECATED("Use AVSpeechSynthesizer in AVFoundation instead", macos(10.3, API_TO_BE_DEPRECATED))
@interface NSSpeechSynthesizer : NSObject
- (nullable instancetype)initWithVoice:(nullable NSSpeechSynthesizerVoiceName)voice;
- (BOOL)startSpeakingString:(NSString *)string;
- (BOOL)startSpeakingString:(NSString *)string toURL:(NSURL *)url;
@property (getter=isSpeaking, readonly) BOOL speaking;
- (void)stopSpeaking;
- (void)stopSpeakingAtBoundary:(NSSpeechBoundary)boundary;
- (void)pauseSpeakingAtBoundary:(NSSpeechBoundary)boundary;
- (void)continueSpeaking;
@property (nullable, weak) id<NSSpeechSynthesizerDelegate> delegate;
- (nullable NSSpeechSynthesizerVoiceName)voice;
- (BOOL)setVoice:(nullable NSSpeechSynthesizerVoiceName)voice;
@property float rate;
@property float volume;
@property BOOL usesFeedbackWindow;
- (nullable id)objectForProperty:(NSSpeechPropertyKey)property error:(NSError **)outError;
- (BOOL)setObject:(nullable id)object forProperty:(NSSpeechPropertyKey)property error:(NSError **)outError;
@property (class, readonly, getter=isAnyApplicationSpeaking) BOOL anyApplicationSpeaking;
@property (class, readonly, strong) NSSpeechSynthesizerVoiceName defaultVoice;
@property (class, readonly, copy) NSArray<NSSpeechSynthesizerVoiceName> *availableVoices;
+ (NSDictionary<NSVoiceAttributeKey, id> *)attributesForVoice:(NSSpeechSynthesizerVoiceName)voice;
@end

@protocol NSSpeechSynthesizerDelegate <NSObject>
@optional
- (void)speechSynthesizer:(NSSpeechSynthesizer *)sender didFinishSpeaking:(BOOL)finishedSpeaking;
- (void)speechSynthesizer:(NSSpeechSynthesizer *)sender willSpeakWord:(NSRange)characterRange ofString:(NSString *)string;
- (void)speechSynthesizer:(NSSpeechSynthesizer *)sender willSpeakPhoneme:(short)phonemeOpcode;
- (void)speechSynthesizer:(NSSpeechSynthesizer *)sender didEncounterErrorAtIndex:(NSUInteger)characterIndex ofString:(NSString *)string message:(NSString *)message;
@end

NS_ASSUME_NONNULL_END
