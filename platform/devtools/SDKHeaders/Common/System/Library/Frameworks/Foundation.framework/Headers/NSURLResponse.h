/* NSURLResponse.h: the metadata of a URL load's response; HTTP responses add the status code and headers. */
#import <Foundation/NSObject.h>

@class NSDictionary, NSString, NSURL, NSURLRequest;

NS_ASSUME_NONNULL_BEGIN

#define NSURLResponseUnknownLength ((long long)-1)

@interface NSURLResponse : NSObject <NSSecureCoding, NSCopying>
- (instancetype)initWithURL:(NSURL *)URL
                   MIMEType:(nullable NSString *)MIMEType
      expectedContentLength:(NSInteger)length
           textEncodingName:(nullable NSString *)name NS_DESIGNATED_INITIALIZER;
@property (nullable, readonly, copy) NSURL *URL;
@property (nullable, readonly, copy) NSString *MIMEType;
@property (readonly) long long expectedContentLength;
@property (nullable, readonly, copy) NSString *textEncodingName;
@property (nullable, readonly, copy) NSString *suggestedFilename;
@end

@interface NSHTTPURLResponse : NSURLResponse
- (nullable instancetype)initWithURL:(NSURL *)url
                          statusCode:(NSInteger)statusCode
                         HTTPVersion:(nullable NSString *)HTTPVersion
                        headerFields:(nullable NSDictionary<NSString *, NSString *> *)headerFields
    API_AVAILABLE(macos(10.7), ios(5.0));
@property (readonly) NSInteger statusCode;
@property (readonly, copy) NSDictionary *allHeaderFields;
- (nullable NSString *)valueForHTTPHeaderField:(NSString *)field API_AVAILABLE(macos(10.15), ios(13.0));
+ (NSString *)localizedStringForStatusCode:(NSInteger)statusCode;
@end

NS_ASSUME_NONNULL_END
