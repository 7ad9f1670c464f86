/* GKTurnBasedMatch.h: a turn-based match between Game Center players, with the message shown about its state. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, GKTurnBasedMatchStatus) {
    GKTurnBasedMatchStatusUnknown = 0,
    GKTurnBasedMatchStatusOpen = 1,
    GKTurnBasedMatchStatusEnded = 2,
    GKTurnBasedMatchStatusMatching = 3
};

API_AVAILABLE(ios(5.0), macos(10.8))
@interface GKTurnBasedMatch : NSObject
@property (nonatomic, readonly, nullable) NSString *matchID;
@property (nonatomic, readonly, nullable) NSDate *creationDate;
@property (nonatomic, readonly) GKTurnBasedMatchStatus status;
@property (nonatomic, readonly, nullable) NSData *matchData;
@property (nonatomic, copy, nullable) NSString *message;
- (void)endMatchInTurnWithMatchData:(NSData *)matchData
                  completionHandler:(void (^_Nullable)(NSError *_Nullable error))completionHandler;
@end

NS_ASSUME_NONNULL_END
