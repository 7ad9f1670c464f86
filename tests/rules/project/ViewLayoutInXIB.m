| fixture: xib-layout
//--- marked views of the auto layout file are reported, those of the file without auto layout are not
void f(void);
// expect-file: App/Layout.xib
// expect-info: Misplaced view: UILabel Title (id Layout-2) — the frame of this view will be different at runtime.
// expect-file: App/Layout.xib
// expect-info: Ambiguous view: UIButton (id Layout-3) — the position and size of this view are ambiguous.
// expect-file: App/Layout.xib
// expect-info: Misplaced view: UIImageView (id Layout-4)
// expect-file: App/Layout.xib
// expect-info: Ambiguous view: UIImageView (id Layout-4)
