| fixture: project-settings-unset
// A project whose organisation is three spaces and whose main group records no text settings.
| project: {"classPrefix": "TQX"}

//--- an organisation of only spaces counts as empty
void f(void);
// expect-nofile:
// expect-info: The ‘Organization’ project setting field has no value.

//--- unset text settings are compared as Xcode's defaults: spaces, width 4, no wrapping
| options: {"indentType": "tabs", "tabWidth": 2, "indentWidth": 4, "wrapLines": "wrap"}
void f(void);
// expect-nofile:
// expect-info: Organization
// expect-nofile:
// expect-info: The ‘Indent Using’ project setting value is Spaces when it should be Tabs.
// expect-nofile:
// expect-info: The ‘Wrap Lines’ project setting should be on.
// expect-nofile:
// expect-info: The ‘Tab Width’ project setting value is 4 when it should be 2.

//--- an indentation type other than tabs or spaces, and no wrapping where none is set, are not reported
| options: {"wrapLines": "nowrap", "tabWidth": 4}
void f(void);
// expect-nofile:
// expect-info: Organization
