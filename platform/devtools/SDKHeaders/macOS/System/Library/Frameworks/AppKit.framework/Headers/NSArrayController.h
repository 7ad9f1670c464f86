/* NSArrayController.h: controllers that bind a collection of objects to views: content, selection, sorting. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSController : NSObject <NSCoding>
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (BOOL)commitEditing;
- (void)discardEditing;
@property (readonly, getter=isEditing) BOOL editing;
@end

@interface NSObjectController : NSController
- (instancetype)initWithContent:(nullable id)content NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, strong) id content;
@property (readonly, strong) id selection;
@property (readonly, copy) NSArray *selectedObjects;
@property BOOL automaticallyPreparesContent;
@property (null_resettable, assign) Class objectClass;
- (id)newObject;
- (void)addObject:(id)object;
- (void)removeObject:(id)object;
- (void)add:(nullable id)sender;
- (void)remove:(nullable id)sender;
@property (getter=isEditable) BOOL editable;
@property (readonly) BOOL canAdd;
@property (readonly) BOOL canRemove;
@end

@interface NSArrayController : NSObjectController
- (void)rearrangeObjects;
@property BOOL automaticallyRearrangesObjects API_AVAILABLE(macos(10.5));
@property (copy) NSArray<NSSortDescriptor *> *sortDescriptors;
@property (nullable, strong) NSPredicate *filterPredicate;
- (NSArray *)arrangeObjects:(NSArray *)objects;
@property (readonly, strong) id arrangedObjects;
@property BOOL avoidsEmptySelection;
@property BOOL preservesSelection;
@property BOOL selectsInsertedObjects;
- (BOOL)setSelectionIndexes:(NSIndexSet *)indexes;
@property (readonly, copy) NSIndexSet *selectionIndexes;
- (BOOL)setSelectionIndex:(NSUInteger)index;
@property (readonly) NSUInteger selectionIndex;
- (void)addObjects:(NSArray *)objects;
- (void)insertObject:(id)object atArrangedObjectIndex:(NSUInteger)index;
- (void)removeObjects:(NSArray *)objects;
- (void)removeObjectAtArrangedObjectIndex:(NSUInteger)index;
@end

NS_ASSUME_NONNULL_END
