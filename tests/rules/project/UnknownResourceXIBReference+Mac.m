| fixture: xib-resources-mac
//--- a system icon is skipped and an image found by its extension too; the missing one is still reported
void f(void);
// expect-file: App/Toolbar.xib id=sidebar
// expect-info: XIB references unknown resource named sidebar (Image)
