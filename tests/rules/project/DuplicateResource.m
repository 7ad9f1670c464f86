| fixture: resource-duplicates
// Not reported: the empty files, en.lproj/Note.txt and de.lproj/Note.txt (one resource in two languages),
// One/Same.txt and Two/Same.txt (one bundle path, no language), Data/shared.plist (referenced directly and inside the
// folder reference Data), the two equal images in the asset catalog, and size-a.txt and size-b.txt (equal sizes,
// other bytes).

//--- equal files are reported on the earlier one of each pair, naming the later one
void f(void);
// expect-file: App/dup-first.txt
// expect-info: This file is equal to the file
// expect-info: App/dup-second.txt.
// expect-file: App/trio-1.dat
// expect-info: App/trio-2.dat
// expect-file: App/trio-1.dat
// expect-info: App/trio-3.dat
// expect-file: App/trio-2.dat
// expect-info: App/trio-3.dat
// expect-file: App/fr.lproj/Terms.txt
// expect-info: App/Legal/fr.lproj/Terms.txt
// expect-file: App/original.json
// expect-info: App/Data/original-copy.json
