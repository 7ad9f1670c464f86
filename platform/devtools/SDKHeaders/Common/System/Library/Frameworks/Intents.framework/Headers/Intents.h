/* Intents.h: requests that Siri hands to the application; here the authorisation to receive them. */
#import <Intents/INPreferences.h>
