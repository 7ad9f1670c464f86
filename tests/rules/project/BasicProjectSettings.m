| fixture: project-settings
// A project with an empty organisation, no class prefix, and text settings on its main group: tabs, tab width 8,
// indent width 2, lines wrapped.

//--- the empty organisation and the missing class prefix are reported with the default options
void f(void);
// expect-nofile:
// expect-info: The ‘Organization’ project setting field has no value.
// expect-nofile:
// expect-info: The ‘Class Prefix’ project setting field has no value.

//--- without a class prefix expected, only the organisation is reported
| options: {"expectClassPrefix": false}
void f(void);
// expect-nofile:
// expect-info: The ‘Organization’ project setting field has no value.

//--- text settings that match the project's are not reported
| options: {"expectClassPrefix": false, "indentType": "tabs", "tabWidth": 8, "indentWidth": 2, "wrapLines": "wrap"}
| project: {"classPrefix": "TQX"}
void f(void);
// expect-nofile:
// expect-info: Organization

//--- every text setting that differs from the project's is reported
| options: {"indentType": "spaces", "tabWidth": 4, "indentWidth": 4, "wrapLines": "nowrap"}
| project: {"classPrefix": "TQX"}
void f(void);
// expect-nofile:
// expect-info: Organization
// expect-nofile:
// expect-info: The ‘Indent Using’ project setting value is Tabs when it should be Spaces.
// expect-nofile:
// expect-info: The ‘Wrap Lines’ project setting should be off.
// expect-nofile:
// expect-info: The ‘Tab Width’ project setting value is 8 when it should be 4.
// expect-nofile:
// expect-info: The ‘Indent Width’ project setting value is 2 when it should be 4.
