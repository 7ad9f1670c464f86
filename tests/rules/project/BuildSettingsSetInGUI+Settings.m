| fixture: gui-settings
// Every configuration is based on App/Shared.xcconfig. The project's Debug configuration stores two settings,
// Release none; the target's Debug stores code-signing identities only, Release the product name.

//--- stored settings are reported per configuration, code signing allowed by default
void f(void);
// expect-nofile:
// expect-info: 2 build settings are set in the project build configuration Debug: IPHONEOS_DEPLOYMENT_TARGET, SDKROOT
// expect-nofile:
// expect-info: 1 build setting is set in the build configuration Release for target App: PRODUCT_NAME

//--- with nothing allowed, code signing counts too
| options: {"allowedGUISettings": []}
void f(void);
// expect-nofile:
// expect-info: 2 build settings are set in the project build configuration Debug
// expect-nofile:
// expect-info: 2 build settings are set in the build configuration Debug for target App: CODE_SIGN_IDENTITY, CODE_SIGN_IDENTITY[sdk=iphoneos*]
// expect-nofile:
// expect-info: 1 build setting is set in the build configuration Release for target App
