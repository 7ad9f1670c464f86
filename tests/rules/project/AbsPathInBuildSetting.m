// The shared tidy project sets no absolute path.

//--- the tidy project is not reported
void f(void);
