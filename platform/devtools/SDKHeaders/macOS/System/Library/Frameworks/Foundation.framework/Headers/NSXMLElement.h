/* NSXMLElement.h: the elements of XML trees: attributes, namespaces and children (macOS only). */
#import <Foundation/NSXMLNode.h>

@class NSArray<ObjectType>, NSDictionary<KeyType, ObjectType>, NSError, NSString;

NS_ASSUME_NONNULL_BEGIN

@interface NSXMLElement : NSXMLNode
- (instancetype)initWithName:(NSString *)name;
- (instancetype)initWithName:(NSString *)name URI:(nullable NSString *)URI NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithName:(NSString *)name stringValue:(nullable NSString *)string;
- (nullable instancetype)initWithXMLString:(NSString *)string error:(NSError **)error NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithKind:(NSXMLNodeKind)kind options:(NSXMLNodeOptions)options;
- (NSArray<NSXMLElement *> *)elementsForName:(NSString *)name;
- (NSArray<NSXMLElement *> *)elementsForLocalName:(NSString *)localName URI:(nullable NSString *)URI;
- (void)addAttribute:(NSXMLNode *)attribute;
- (void)removeAttributeForName:(NSString *)name;
@property (nullable, copy) NSArray<NSXMLNode *> *attributes;
- (void)setAttributesWithDictionary:(NSDictionary<NSString *, NSString *> *)attributes;
- (nullable NSXMLNode *)attributeForName:(NSString *)name;
- (void)addNamespace:(NSXMLNode *)aNamespace;
- (void)removeNamespaceForPrefix:(NSString *)name;
@property (nullable, copy) NSArray<NSXMLNode *> *namespaces;
- (nullable NSXMLNode *)namespaceForPrefix:(NSString *)name;
- (nullable NSXMLNode *)resolveNamespaceForName:(NSString *)name;
- (nullable NSString *)resolvePrefixForNamespaceURI:(NSString *)namespaceURI;
- (nullable NSXMLNode *)attributeForLocalName:(NSString *)localName URI:(nullable NSString *)URI;
- (void)setAttributesAsDictionary:(NSDictionary *)attributes;
- (void)insertChildren:(NSArray<NSXMLNode *> *)children atIndex:(NSUInteger)index;
- (void)normalizeAdjacentTextNodesPreservingCDATA:(BOOL)preserve;
- (void)insertChild:(NSXMLNode *)child atIndex:(NSUInteger)index;
- (void)removeChildAtIndex:(NSUInteger)index;
- (void)setChildren:(nullable NSArray<NSXMLNode *> *)children;
- (void)addChild:(NSXMLNode *)child;
- (void)replaceChildAtIndex:(NSUInteger)index withNode:(NSXMLNode *)node;
@end

NS_ASSUME_NONNULL_END
