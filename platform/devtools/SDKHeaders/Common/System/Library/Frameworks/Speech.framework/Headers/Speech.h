/* Speech.h: speech recognition; here the recogniser and the permission to use it. */
#import <Speech/SFSpeechRecognizer.h>
