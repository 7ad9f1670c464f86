#import <Foundation/Foundation.h>

//--- copying properties of the mutable collection and data types are reported, read-only ones too
@interface Playlist : NSObject
↓@property (nonatomic, copy) NSMutableArray *items;
// expect-info: The items property is declared with copy semantics. This should be retain or strong instead.
↓@property (nonatomic, copy) NSMutableAttributedString *caption;
↓@property (nonatomic, copy) NSMutableDictionary<NSString *, id> *metadata;
↓@property (nonatomic, copy) NSMutableSet *tags;
↓@property (nonatomic, copy) NSMutableOrderedSet *queue;
↓@property (nonatomic, copy) NSMutableIndexSet *selection;
↓@property (copy) NSMutableData *buffer;
↓@property (nonatomic, readonly, copy) NSMutableArray *history;
@end
@implementation Playlist
@end

//--- retaining mutable properties, mutable strings and immutable types are not reported
@interface Playlist : NSObject
@property (nonatomic, strong) NSMutableArray *items;
@property (nonatomic, retain) NSMutableDictionary *metadata;
@property (nonatomic) NSMutableSet *tags;
@property (copy) NSMutableString *text;
@property (copy) NSArray *names;
@property (copy) NSMutableCharacterSet *separators;
@property (copy) id<NSCopying> key;
@end
@implementation Playlist
@end
