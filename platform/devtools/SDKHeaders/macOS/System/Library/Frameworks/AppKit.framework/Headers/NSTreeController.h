/* NSTreeController.h: a controller that binds a tree of objects (children, counts and leaves by key path) to views. */
#import <AppKit/NSArrayController.h>

@class NSIndexPath, NSSortDescriptor;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.4))
@interface NSTreeController : NSObjectController
- (void)rearrangeObjects;
@property (readonly, strong) id arrangedObjects;
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
