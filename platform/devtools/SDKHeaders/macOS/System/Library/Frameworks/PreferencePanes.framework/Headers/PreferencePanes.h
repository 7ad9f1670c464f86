/* PreferencePanes.h: the whole Preference Panes framework. */
#import <PreferencePanes/NSPreferencePane.h>
