/* NSXMLDocument.h: XML documents read from data or URLs into a tree, and written back (macOS only). */
#import <Foundation/NSXMLNode.h>

@class NSData, NSDictionary<KeyType, ObjectType>, NSError, NSString, NSURL, NSXMLElement;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSXMLDocumentContentKind) {
    NSXMLDocumentXMLKind = 0,
    NSXMLDocumentXHTMLKind,
    NSXMLDocumentHTMLKind,
    NSXMLDocumentTextKind
};

@interface NSXMLDocument : NSXMLNode
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithXMLString:(NSString *)string options:(NSXMLNodeOptions)mask error:(NSError **)error;
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url options:(NSXMLNodeOptions)mask error:(NSError **)error;
- (nullable instancetype)initWithData:(NSData *)data
                              options:(NSXMLNodeOptions)mask
                                error:(NSError **)error NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithRootElement:(nullable NSXMLElement *)element NS_DESIGNATED_INITIALIZER;
@property (nullable, copy) NSString *characterEncoding;
@property (nullable, copy) NSString *version;
@property (getter=isStandalone) BOOL standalone;
@property NSXMLDocumentContentKind documentContentKind;
@property (nullable, copy) NSString *MIMEType;
- (void)setRootElement:(NSXMLElement *)root;
- (nullable NSXMLElement *)rootElement;
- (void)addChild:(NSXMLNode *)child;
- (void)removeChildAtIndex:(NSUInteger)index;
@property (readonly, copy) NSData *XMLData;
- (NSData *)XMLDataWithOptions:(NSXMLNodeOptions)options;
- (BOOL)validateAndReturnError:(NSError **)error;
@end

NS_ASSUME_NONNULL_END
