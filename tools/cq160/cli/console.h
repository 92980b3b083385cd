// cq160's standard output and error as the platform gives them.
#ifndef CQ160_CONSOLE_H_
#define CQ160_CONSOLE_H_

// Makes standard output and error write the same bytes on every system:
// no CR before each LF on Windows; nothing to do elsewhere.
void SetBinaryConsole();

#endif  // CQ160_CONSOLE_H_
