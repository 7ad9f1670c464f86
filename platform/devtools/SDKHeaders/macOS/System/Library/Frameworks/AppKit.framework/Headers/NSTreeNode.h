/* NSTreeNode.h: a node of a tree of represented objects, as a tree controller arranges them. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.5))
@interface NSTreeNode : NSObject
+ (instancetype)treeNodeWithRepresentedObject:(nullable id)modelObject;
- (instancetype)initWithRepresentedObject:(nullable id)modelObject;
@property (nullable, readonly, strong) id representedObject;
@property (readonly, strong) NSIndexPath *indexPath;
@property (readonly, getter=isLeaf) BOOL leaf;
@property (nullable, readonly, copy) NSArray<NSTreeNode *> *childNodes;
@property (readonly, strong) NSMutableArray<NSTreeNode *> *mutableChildNodes;
- (nullable NSTreeNode *)descendantNodeAtIndexPath:(NSIndexPath *)indexPath;
@property (nullable, readonly, weak) NSTreeNode *parentNode;
- (void)sortWithSortDescriptors:(NSArray<NSSortDescriptor *> *)sortDescriptors recursively:(BOOL)recursively;
@end

NS_ASSUME_NONNULL_END
