// The shared tidy project has no configuration file.

//--- the tidy project is not reported
void f(void);
