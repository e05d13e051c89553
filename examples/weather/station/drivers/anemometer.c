/* Named as on Windows, where letter case in file names does not count. */
#include "Station.h"

int wind(void)
{
#ifdef DEBUG
    return STATION_RATE;
#else
    return 2;
#endif
}
