// The shared tidy project places every setting where it belongs.

//--- the tidy project is not reported
void f(void);
