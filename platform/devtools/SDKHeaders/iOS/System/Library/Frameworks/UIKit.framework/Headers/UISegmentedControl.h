/* UISegmentedControl.h: controls of mutually exclusive segments with titles or images. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIControl.h>

@class UIImage;

NS_ASSUME_NONNULL_BEGIN

enum {
    UISegmentedControlNoSegment = -1
};

@interface UISegmentedControl : UIControl <NSCoding>
- (instancetype)initWithItems:(nullable NSArray *)items;
@property (nonatomic, getter=isMomentary) BOOL momentary;
@property (nonatomic, readonly) NSUInteger numberOfSegments;
- (void)insertSegmentWithTitle:(nullable NSString *)title atIndex:(NSUInteger)segment animated:(BOOL)animated;
- (void)insertSegmentWithImage:(nullable UIImage *)image atIndex:(NSUInteger)segment animated:(BOOL)animated;
- (void)removeSegmentAtIndex:(NSUInteger)segment animated:(BOOL)animated;
- (void)removeAllSegments;
- (void)setTitle:(nullable NSString *)title forSegmentAtIndex:(NSUInteger)segment;
- (nullable NSString *)titleForSegmentAtIndex:(NSUInteger)segment;
- (void)setEnabled:(BOOL)enabled forSegmentAtIndex:(NSUInteger)segment;
@property (nonatomic) NSInteger selectedSegmentIndex;
@end

NS_ASSUME_NONNULL_END
