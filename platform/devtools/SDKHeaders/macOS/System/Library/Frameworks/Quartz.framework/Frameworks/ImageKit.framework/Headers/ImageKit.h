/* ImageKit.h: the whole Image Kit framework. */
#import <ImageKit/IKImageBrowserView.h>
#import <ImageKit/IKImageBrowserCell.h>
