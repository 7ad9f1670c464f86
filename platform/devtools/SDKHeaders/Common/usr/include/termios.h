/* termios.h: the general terminal interface: modes, control characters, speeds and line control. */
#ifndef _TERMIOS_H_
#define _TERMIOS_H_

#include <sys/cdefs.h>
#include <sys/termios.h>

#endif /* _TERMIOS_H_ */
