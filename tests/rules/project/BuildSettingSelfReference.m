// The shared tidy project's settings refer to nothing of their own.

//--- the tidy project is not reported
void f(void);
