/* NSRuleEditor.h: a control that lets the user build rules (rows of criteria) such as search criteria. */
#import <AppKit/NSControl.h>

@class NSIndexSet, NSPredicate, NSString;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSRuleEditorNestingMode) {
    NSRuleEditorNestingModeSingle,
    NSRuleEditorNestingModeList,
    NSRuleEditorNestingModeCompound,
    NSRuleEditorNestingModeSimple
};

typedef NS_ENUM(NSUInteger, NSRuleEditorRowType) {
    NSRuleEditorRowTypeSimple,
    NSRuleEditorRowTypeCompound
};

API_AVAILABLE(macos(10.5))
@interface NSRuleEditor : NSControl
@property (nullable, weak) id delegate;
@property (getter=isEditable) BOOL editable;
@property NSRuleEditorNestingMode nestingMode;
@property CGFloat rowHeight;
@property (nullable, readonly, strong) NSPredicate *predicate;
- (void)reloadCriteria;
- (void)reloadPredicate;
@property (readonly) NSInteger numberOfRows;
- (void)addRow:(nullable id)sender;
- (void)removeRowAtIndex:(NSInteger)rowIndex;
@property (readonly, copy) NSIndexSet *selectedRowIndexes;
@property (copy) NSString *rowTypeKeyPath;
@property (copy) NSString *subrowsKeyPath;
@property (copy) NSString *criteriaKeyPath;
@property (copy) NSString *displayValuesKeyPath;
@end

NS_ASSUME_NONNULL_END
