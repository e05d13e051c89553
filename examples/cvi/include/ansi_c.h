/* Stand-in for CVI's header that brings in the whole C library. */
#ifndef ANSI_C_H
#define ANSI_C_H

#include <stdio.h>
#include <string.h>

#endif
