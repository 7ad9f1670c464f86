/* CBPeripheralManager.h: publishing services and advertising as a Bluetooth peripheral. */
#import <Foundation/Foundation.h>
#import <dispatch/dispatch.h>
#import <CoreBluetooth/CBManager.h>

NS_ASSUME_NONNULL_BEGIN

@protocol CBPeripheralManagerDelegate;

API_AVAILABLE(macos(10.9), ios(6.0))
@interface CBPeripheralManager : CBManager
@property (nonatomic, weak, nullable) id<CBPeripheralManagerDelegate> delegate;
@property (nonatomic, assign, readonly) BOOL isAdvertising;
- (instancetype)init;
- (instancetype)initWithDelegate:(nullable id<CBPeripheralManagerDelegate>)delegate
                           queue:(nullable dispatch_queue_t)queue;
- (void)startAdvertising:(nullable NSDictionary<NSString *, id> *)advertisementData;
- (void)stopAdvertising;
@end

@protocol CBPeripheralManagerDelegate <NSObject>
@required
- (void)peripheralManagerDidUpdateState:(CBPeripheralManager *)peripheral;
@end

NS_ASSUME_NONNULL_END
