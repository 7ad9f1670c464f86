| fixture: l10n-translations
//--- stringsdict files without a strings file of their name and language among the resources are reported
// Not en.lproj/Localizable nor the global Plurals; counts.strings differs in case, Extra.strings is in no target and
// Units.strings is German.
void f(void);
// expect-file: App/en.lproj/Counts.stringsdict
// expect-info: Counts.strings was not found
// expect-file: App/en.lproj/Extra.stringsdict
// expect-file: App/en.lproj/Units.stringsdict
