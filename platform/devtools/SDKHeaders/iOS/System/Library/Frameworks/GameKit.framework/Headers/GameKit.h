/* GameKit.h: Game Center players and their turn-based matches. */
#import <GameKit/GKTurnBasedMatch.h>
