/* MediaPlayer.h: the user's media library; here the library itself and the permission to read it. */
#import <MediaPlayer/MPMediaLibrary.h>
