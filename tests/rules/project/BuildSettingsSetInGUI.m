// The shared tidy project uses no configuration files, so the rule does not apply to it.

//--- the tidy project is not reported
void f(void);
