/* Stand-in for CVI's stdio.h: the declarations the example uses. */
#ifndef STDIO_H
#define STDIO_H

int printf(const char *format, ...);
int sprintf(char *buffer, const char *format, ...);

#endif
