/* NSXMLNode.h: the nodes of XML trees: kinds, names, values, children, XPath and XQuery (macOS only). */
#import <Foundation/NSObject.h>
#import <Foundation/NSXMLNodeOptions.h>

@class NSArray<ObjectType>, NSDictionary<KeyType, ObjectType>, NSError, NSString, NSURL, NSXMLDocument, NSXMLElement;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSXMLNodeKind) {
    NSXMLInvalidKind = 0,
    NSXMLDocumentKind,
    NSXMLElementKind,
    NSXMLAttributeKind,
    NSXMLNamespaceKind,
    NSXMLProcessingInstructionKind,
    NSXMLCommentKind,
    NSXMLTextKind,
    NSXMLDTDKind,
    NSXMLEntityDeclarationKind,
    NSXMLAttributeDeclarationKind,
    NSXMLElementDeclarationKind,
    NSXMLNotationDeclarationKind
};

@interface NSXMLNode : NSObject <NSCopying>
- (instancetype)init NS_UNAVAILABLE;
- (instancetype)initWithKind:(NSXMLNodeKind)kind;
- (instancetype)initWithKind:(NSXMLNodeKind)kind options:(NSXMLNodeOptions)options NS_DESIGNATED_INITIALIZER;
+ (id)document;
+ (id)elementWithName:(NSString *)name;
+ (id)elementWithName:(NSString *)name stringValue:(NSString *)string;
+ (id)attributeWithName:(NSString *)name stringValue:(NSString *)stringValue;
+ (id)textWithStringValue:(NSString *)stringValue;
+ (id)commentWithStringValue:(NSString *)stringValue;
@property (readonly) NSXMLNodeKind kind;
@property (nullable, copy) NSString *name;
@property (nullable, strong) id objectValue;
@property (nullable, copy) NSString *stringValue;
@property (readonly) NSUInteger index;
@property (readonly) NSUInteger level;
@property (nullable, readonly, strong) NSXMLDocument *rootDocument;
@property (nullable, readonly, copy) NSXMLNode *parent;
@property (readonly) NSUInteger childCount;
@property (nullable, readonly, copy) NSArray<NSXMLNode *> *children;
- (nullable NSXMLNode *)childAtIndex:(NSUInteger)index;
@property (nullable, readonly, copy) NSXMLNode *previousSibling;
@property (nullable, readonly, copy) NSXMLNode *nextSibling;
@property (nullable, readonly, copy) NSXMLNode *previousNode;
@property (nullable, readonly, copy) NSXMLNode *nextNode;
- (void)detach;
@property (nullable, readonly, copy) NSString *XPath;
@property (nullable, readonly, copy) NSString *localName;
@property (nullable, readonly, copy) NSString *prefix;
@property (nullable, copy) NSString *URI;
@property (readonly, copy) NSString *description;
@property (readonly, copy) NSString *XMLString;
- (NSString *)XMLStringWithOptions:(NSXMLNodeOptions)options;
- (nullable NSArray<__kindof NSXMLNode *> *)nodesForXPath:(NSString *)xpath error:(NSError **)error;
- (nullable NSArray *)objectsForXQuery:(NSString *)xquery error:(NSError **)error;
@end

NS_ASSUME_NONNULL_END
