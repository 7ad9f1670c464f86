// The rule needs a version-control working copy, which the tests of the whole rule make with libgit2 around fixture
// copies; a case project lies in no working copy, so the rule is not applied to it.

//--- a project outside any working copy gives nothing
void f(void);
