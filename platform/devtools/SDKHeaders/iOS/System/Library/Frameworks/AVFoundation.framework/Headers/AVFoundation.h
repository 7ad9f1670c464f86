/* AVFoundation.h: audio and video; here the audio session. */
#import <AVFoundation/AVAudioSession.h>
