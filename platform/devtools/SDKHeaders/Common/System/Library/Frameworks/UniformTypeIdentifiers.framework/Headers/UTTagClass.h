/* UTTagClass.h: the classes of the tags of uniform type identifiers: file name extensions and MIME types. */
#import <Foundation/Foundation.h>
#import <UniformTypeIdentifiers/UTDefines.h>

NS_ASSUME_NONNULL_BEGIN

UT_EXPORT NSString *const UTTagClassFilenameExtension API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT NSString *const UTTagClassMIMEType API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));

NS_ASSUME_NONNULL_END
