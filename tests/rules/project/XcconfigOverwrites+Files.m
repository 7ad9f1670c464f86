| fixture: xcconfig-overwrites
// Repeats.xcconfig sets FOO on lines 2, 5 and 9; Leaf.xcconfig includes Base.xcconfig (referenced by the project as
// well, with BAZ twice) and a missing file; Layered.xcconfig includes Late.xcconfig after setting QUX; the project's
// Missing.xcconfig is not on disk; Twice.xcconfig includes Base.xcconfig twice.

//--- every overwrite is reported where it stands, naming the first definition, once
void f(void);
// expect-file: App/Repeats.xcconfig
// expect-info: Overwritten value of FOO defined in Repeats.xcconfig (line 2)
// expect-file: App/Repeats.xcconfig
// expect-info: Overwritten value of FOO defined in Repeats.xcconfig (line 2)
// expect-file: App/Leaf.xcconfig
// expect-info: Overwritten value of FOO defined in Base.xcconfig (line 3)
// expect-file: App/Base.xcconfig
// expect-info: Overwritten value of BAZ defined in Base.xcconfig (line 4)
// expect-file: App/Late.xcconfig
// expect-info: Overwritten value of QUX defined in Layered.xcconfig (line 1)
