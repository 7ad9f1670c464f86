| project: {"platform": "macosx"}
#import <Cocoa/Cocoa.h>

@interface Inspector : NSObject
@end

//--- a binding is reported once, at its name, though its key path is a literal too
@implementation Inspector
- (void)bindTo:(NSObjectController *)controller {
    [self bind:↓@"value" toObject:controller withKeyPath:@"selection.name" options:nil];
}
@end

//--- a binding name from a constant leaves the key path to be reported
@implementation Inspector
- (void)bindTo:(NSObjectController *)controller {
    [self bind:NSValueBinding toObject:controller withKeyPath:↓@"selection.name" options:nil];
    [Inspector exposeBinding:↓@"value"];
}
@end

//--- the key paths of tree controllers and rule editors are reported
@implementation Inspector
- (void)configure:(NSTreeController *)tree editor:(NSRuleEditor *)editor {
    [tree setChildrenKeyPath:↓@"children"];
    [tree setLeafKeyPath:↓@"isLeaf"];
    tree.countKeyPath = @"count"; // an assignment, not a message
    [editor setRowTypeKeyPath:↓@"rowType"];
    [editor setCriteriaKeyPath:↓@"criteria"];
}
@end
