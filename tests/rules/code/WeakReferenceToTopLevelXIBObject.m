| fixture: xib-outlets
//--- the File's Owner's non-owning outlets to top-level objects are reported once per XIB
// Not the strong header, the weak outlet to a subview, the helper object's outlet nor the retained outlet.
void f(void);
// expect-file: App/PanelController.m
// expect-info: The reference is to a top-level object in the XIB
// expect-info: Panel.xib. Use the strong attribute (instead of weak)
// expect-file: App/PanelController.m
// expect-info: PanelCompact.xib. Use the strong attribute (instead of weak)
// expect-file: App/PanelController+Legacy.m
// expect-info: Panel.xib. Use the retain attribute (instead of assign) to keep the object from being deallocated
