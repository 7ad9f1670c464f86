/* AssetsLibrary.h: the photo library as it was before the Photos framework. */
#import <AssetsLibrary/ALAssetsLibrary.h>
