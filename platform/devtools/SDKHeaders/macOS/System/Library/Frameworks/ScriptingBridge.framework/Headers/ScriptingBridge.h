/* ScriptingBridge.h: the whole Scripting Bridge framework. */
#import <ScriptingBridge/SBObject.h>
