/* DOM.h: the Objective-C document object model of legacy web views: nodes, elements, documents, ranges, events. */
#import <Foundation/Foundation.h>
#import <WebKit/WebScriptObject.h>

NS_ASSUME_NONNULL_BEGIN

@class DOMDocument, DOMElement, DOMNodeList, DOMRange, DOMHTMLCollection, DOMCSSStyleDeclaration;

API_DEPRECATED("No longer supported", macos(10.4, 10.14))
@interface DOMObject : WebScriptObject
@end

API_DEPRECATED("No longer supported", macos(10.4, 10.14))
@interface DOMNode : DOMObject
@property (readonly, copy) NSString *nodeName;
@property (nullable, copy) NSString *nodeValue;
@property (readonly) unsigned short nodeType;
@property (nullable, readonly, strong) DOMNode *parentNode;
@property (readonly, strong) DOMNodeList *childNodes;
@property (nullable, readonly, strong) DOMNode *firstChild;
@property (nullable, readonly, strong) DOMNode *lastChild;
@property (nullable, readonly, strong) DOMNode *previousSibling;
@property (nullable, readonly, strong) DOMNode *nextSibling;
@property (nullable, readonly, strong) DOMDocument *ownerDocument;
@property (nullable, copy) NSString *textContent;
@property (nullable, readonly, strong) DOMElement *parentElement;
- (nullable DOMNode *)insertBefore:(DOMNode *)newChild refChild:(nullable DOMNode *)refChild;
- (nullable DOMNode *)replaceChild:(DOMNode *)newChild oldChild:(DOMNode *)oldChild;
- (nullable DOMNode *)removeChild:(DOMNode *)oldChild;
- (nullable DOMNode *)appendChild:(DOMNode *)newChild;
- (BOOL)hasChildNodes;
- (DOMNode *)cloneNode:(BOOL)deep;
@end

API_DEPRECATED("No longer supported", macos(10.4, 10.14))
@interface DOMNodeList : DOMObject
@property (readonly) unsigned length;
- (nullable DOMNode *)item:(unsigned)index;
@end

API_DEPRECATED("No longer supported", macos(10.4, 10.14))
@interface DOMElement : DOMNode
@property (readonly, copy) NSString *tagName;
@property (readonly, strong) DOMCSSStyleDeclaration *style;
@property (copy) NSString *className;
@property (copy) NSString *innerText;
- (NSString *)getAttribute:(NSString *)name;
- (void)setAttribute:(NSString *)name value:(NSString *)value;
- (void)removeAttribute:(NSString *)name;
- (BOOL)hasAttribute:(NSString *)name;
- (DOMNodeList *)getElementsByTagName:(NSString *)name;
- (nullable DOMElement *)querySelector:(NSString *)selectors;
- (DOMNodeList *)querySelectorAll:(NSString *)selectors;
- (void)focus;
- (void)blur;
- (void)scrollIntoView:(BOOL)alignWithTop;
@end

API_DEPRECATED("No longer supported", macos(10.4, 10.14))
@interface DOMHTMLElement : DOMElement
@property (copy) NSString *idName;
@property (copy) NSString *title;
@property (copy) NSString *innerHTML;
@property (copy) NSString *outerHTML;
@property (readonly, strong) DOMHTMLCollection *children;
- (void)click;
@end

API_DEPRECATED("No longer supported", macos(10.4, 10.14))
@interface DOMHTMLCollection : DOMObject
@property (readonly) unsigned length;
- (nullable DOMNode *)item:(unsigned)index;
- (nullable DOMNode *)namedItem:(NSString *)name;
@end

API_DEPRECATED("No longer supported", macos(10.4, 10.14))
@interface DOMCSSStyleDeclaration : DOMObject
@property (copy) NSString *cssText;
- (NSString *)getPropertyValue:(NSString *)propertyName;
- (void)setProperty:(NSString *)propertyName value:(NSString *)value priority:(NSString *)priority;
@end

API_DEPRECATED("No longer supported", macos(10.4, 10.14))
@interface DOMDocument : DOMNode
@property (nullable, readonly, strong) DOMElement *documentElement;
@property (nullable, strong) DOMHTMLElement *body;
@property (copy) NSString *title;
@property (nullable, readonly, copy) NSString *URL;
@property (copy) NSString *cookie;
- (DOMElement *)createElement:(NSString *)tagName;
- (DOMNode *)createTextNode:(NSString *)data;
- (nullable DOMElement *)getElementById:(NSString *)elementId;
- (DOMNodeList *)getElementsByTagName:(NSString *)tagname;
- (DOMNodeList *)getElementsByClassName:(NSString *)classNames;
- (nullable DOMElement *)querySelector:(NSString *)selectors;
- (DOMNodeList *)querySelectorAll:(NSString *)selectors;
- (DOMRange *)createRange;
@end

API_DEPRECATED("No longer supported", macos(10.4, 10.14))
@interface DOMRange : DOMObject
@property (readonly, strong) DOMNode *startContainer;
@property (readonly) int startOffset;
@property (readonly, strong) DOMNode *endContainer;
@property (readonly) int endOffset;
@property (readonly) BOOL collapsed;
@property (readonly, copy) NSString *text;
- (void)selectNode:(DOMNode *)refNode;
- (void)selectNodeContents:(DOMNode *)refNode;
- (void)collapse:(BOOL)toStart;
@end

NS_ASSUME_NONNULL_END
