/* Photos.h: the user's photo library; here the library and the permission to reach it. */
#import <Photos/PHPhotoLibrary.h>
