/* Stand-in for CVI's string.h: the declarations the example uses. */
#ifndef STRING_H
#define STRING_H

typedef unsigned int size_t;

size_t strlen(const char *text);

#endif
