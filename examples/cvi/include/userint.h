/* Stand-in for CVI's user interface library: the declarations the example uses. */
#ifndef USERINT_H
#define USERINT_H

int __stdcall MessagePopup(const char *title, const char *message);
int __stdcall SetCtrlVal(int panel, int control, ...);

#endif
