/* NSTreeController.h: a controller that binds a tree of objects (children, counts and leaves by key path) to views. */
#import <AppKit/NSArrayController.h>
#import <AppKit/NSTreeNode.h>

@class NSIndexPath, NSSortDescriptor;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.4))
@interface NSTreeController : NSObjectController
- (void)rearrangeObjects;
@property (readonly, strong) id arrangedObjects;
@property (readonly, copy) NSArray<NSTreeNode *> *selectedNodes API_AVAILABLE(macos(10.5));
- (void)moveNode:(NSTreeNode *)node toIndexPath:(NSIndexPath *)indexPath API_AVAILABLE(macos(10.5));
- (void)moveNodes:(NSArray<NSTreeNode *> *)nodes toIndexPath:(NSIndexPath *)startingIndexPath API_AVAILABLE(macos(10.5));
- (void)insertObjects:(NSArray *)objects atArrangedObjectIndexPaths:(NSArray<NSIndexPath *> *)indexPaths;
- (void)removeObjectsAtArrangedObjectIndexPaths:(NSArray<NSIndexPath *> *)indexPaths;
- (BOOL)addSelectionIndexPaths:(NSArray<NSIndexPath *> *)indexPaths;
- (BOOL)removeSelectionIndexPaths:(NSArray<NSIndexPath *> *)indexPaths;
@property (nullable, readonly, strong) NSIndexPath *selectionIndexPath;
- (BOOL)setSelectionIndexPath:(nullable NSIndexPath *)indexPath;
- (void)insertChild:(nullable id)sender;
- (void)addChild:(nullable id)sender;
@property (readonly) BOOL canInsertChild;
@property (readonly) BOOL canAddChild;
@property (nullable, copy) NSString *childrenKeyPath;
@property (nullable, copy) NSString *countKeyPath;
@property (nullable, copy) NSString *leafKeyPath;
@property (copy) NSArray<NSSortDescriptor *> *sortDescriptors;
- (void)insertObject:(nullable id)object atArrangedObjectIndexPath:(NSIndexPath *)indexPath;
- (void)removeObjectAtArrangedObjectIndexPath:(NSIndexPath *)indexPath;
@property BOOL avoidsEmptySelection;
@property BOOL preservesSelection;
@property BOOL selectsInsertedObjects;
- (BOOL)setSelectionIndexPaths:(NSArray<NSIndexPath *> *)indexPaths;
@property (readonly, copy) NSArray<NSIndexPath *> *selectionIndexPaths;
- (nullable NSString *)childrenKeyPathForNode:(id)node API_AVAILABLE(macos(10.5));
- (nullable NSString *)countKeyPathForNode:(id)node API_AVAILABLE(macos(10.5));
- (nullable NSString *)leafKeyPathForNode:(id)node API_AVAILABLE(macos(10.5));
@end

NS_ASSUME_NONNULL_END
