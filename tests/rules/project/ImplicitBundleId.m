| fixture: bundle-ids
// Each build configuration of the fixture reads an Info.plist of its own.

//--- a fixed prefix before the product name with a modifier is reported, the whole value shown
void f(void);
// expect-nofile:
// expect-info: The value of the Bundle identifier is com.example.$(PRODUCT_NAME:rfc1034identifier).

//--- a fixed prefix before the product name in braces is reported
| project: {"configuration": "Prefixed"}
void f(void);
// expect-nofile:
// expect-info: com.example.${PRODUCT_NAME}

//--- an identifier of only a variable reference is not reported
| project: {"configuration": "OnlyVariable"}
void f(void);

//--- variable references with only white space between them are not reported
| project: {"configuration": "Blank"}
void f(void);

//--- an explicit identifier is not reported
| project: {"configuration": "Explicit"}
void f(void);

//--- an Info.plist without a bundle identifier gives nothing
| project: {"configuration": "NoIdentifier"}
void f(void);

//--- a target without an Info.plist gives nothing
| project: {"configuration": "NoInfoPlist"}
void f(void);
