| fixture: config-file-resource
//--- a configuration file of this checker among the resources is reported
void f(void);
// expect-file: App/main.tessary.json
// expect-info: Tessary configuration file
