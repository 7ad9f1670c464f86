/* CAEmitterCell.h: the particle kinds that an emitter layer emits: birth rate, lifetime, velocity, contents. */
#import <QuartzCore/CALayer.h>

@class NSArray<ObjectType>, NSDictionary<KeyType, ObjectType>, NSString;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.6), ios(5.0))
@interface CAEmitterCell : NSObject <NSSecureCoding, CAMediaTiming>

+ (instancetype)emitterCell;

+ (nullable id)defaultValueForKey:(NSString *)key;
- (BOOL)shouldArchiveValueForKey:(NSString *)key;

@property (nullable, copy) NSString *name;
@property (getter=isEnabled) BOOL enabled;
@property float birthRate;
@property float lifetime;
@property float lifetimeRange;
@property CGFloat emissionLatitude;
@property CGFloat emissionLongitude;
@property CGFloat emissionRange;
@property CGFloat velocity;
@property CGFloat velocityRange;
@property CGFloat scale;
@property CGFloat scaleRange;
@property CGFloat scaleSpeed;
@property CGFloat spin;
@property CGFloat spinRange;
@property (nullable) CGColorRef color;
@property (nullable, strong) id contents;
@property CGRect contentsRect;
@property (nullable, copy) NSArray<CAEmitterCell *> *emitterCells;
@property (nullable, copy) NSDictionary *style;

@end

NS_ASSUME_NONNULL_END
