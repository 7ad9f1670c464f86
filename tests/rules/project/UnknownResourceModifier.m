| fixture: resource-modifiers
// Misspelt "@2x" modifiers are reported on every platform, unknown device type modifiers on iOS only. Not reported:
// g@2x.png, g@3x.png, h.png, h@2x~ipad.png and e~.png, whose device modifier is empty.

//--- on iOS misspelt resolution and device type modifiers are reported, resolution first
void f(void);
// expect-file: App/a@2.png
// expect-info: The @2x resolution modifier seems to be incorrectly spelled in the filename.
// expect-file: App/a@2X.png
// expect-info: resolution modifier
// expect-file: App/b~iPad.png
// expect-info: iPad is not a valid device type modifier. Valid values are: iphone, ipad (remember that iOS devices have a case sensitive filesystem).
// expect-file: App/c~ipod.png
// expect-info: ipod is not a valid device type modifier
// expect-file: App/d~ipad@2x.png
// expect-info: ipad@2x is not a valid device type modifier
// expect-file: App/f@2X~IPad.png
// expect-info: resolution modifier
// expect-file: App/f@2X~IPad.png
// expect-info: IPad is not a valid device type modifier
// expect-file: App/R&D~pad.png
// expect-info: pad is not a valid device type modifier

//--- on OS X only the resolution modifier is checked
| project: {"platform": "macosx"}
void f(void);
// expect-file: App/a@2.png
// expect-file: App/a@2X.png
// expect-file: App/f@2X~IPad.png
// expect-info: The @2x resolution modifier seems to be incorrectly spelled in the filename.
