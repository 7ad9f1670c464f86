| fixture: xib-resources
//--- names missing from the bundle are reported once per file; extension-less, code-signing and empty names are not
// The storyboard's icon is icon.png; Welcome.xib also names a provisioning profile and About.xib an empty name.
void f(void);
// expect-file: App/Main.storyboard id=logo.png
// expect-info: Storyboard references unknown resource named logo.png (Image) Did you mean Logo.png?
// expect-file: App/Welcome.xib id=missing.png
// expect-info: XIB references unknown resource named missing.png (Image)
// expect-file: App/About.xib id=missing.png
// expect-info: XIB references unknown resource named missing.png (Image)
