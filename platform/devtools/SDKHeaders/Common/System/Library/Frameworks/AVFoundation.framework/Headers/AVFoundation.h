/* AVFoundation.h: audio and video: assets, playback, capture, writing and reading media, audio players and, on iOS,
   the audio session. */
#import <AVFoundation/AVMediaFormat.h>
#import <AVFoundation/AVSettings.h>
#import <AVFoundation/AVAsset.h>
#import <AVFoundation/AVPlayer.h>
#import <AVFoundation/AVCapture.h>
#import <AVFoundation/AVAssetWriterReader.h>
#import <AVFoundation/AVAudioPlayer.h>
#if TARGET_OS_IPHONE
#import <AVFoundation/AVAudioSession.h>
#endif
