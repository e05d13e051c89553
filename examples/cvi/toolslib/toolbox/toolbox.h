/* A header in a folder that the station project names relative to the CVI installation. */
#ifndef TOOLBOX_H
#define TOOLBOX_H

#define Clamp(value, low, high) ((value) < (low) ? (low) : (value) > (high) ? (high) : (value))

#endif
