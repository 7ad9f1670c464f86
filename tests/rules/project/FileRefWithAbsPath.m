// The shared tidy project references nothing by absolute path.

//--- the tidy project is not reported
void f(void);
