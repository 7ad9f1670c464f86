/* ScriptingBridge.h: the whole Scripting Bridge framework: scriptable objects, applications and element arrays. */
#import <ScriptingBridge/SBObject.h>
#import <ScriptingBridge/SBApplication.h>
