/* Units the station's sources share, in a folder whose name holds a blank, as the folders of a
   real CVI installation do ("C:\Program Files (x86)\National Instruments\..."). */
#ifndef UNITS_H
#define UNITS_H

#define TENTHS_PER_UNIT 10
#define PERCENT(part, whole) ((part) * 100 / (whole))

#endif
