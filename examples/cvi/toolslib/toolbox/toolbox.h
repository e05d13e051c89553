/* A header of the installation's toolslib: the station names its folder, the display panel
   finds it through CVI's own search order. */
#ifndef TOOLBOX_H
#define TOOLBOX_H

#define Clamp(value, low, high) ((value) < (low) ? (low) : (value) > (high) ? (high) : (value))

#endif
