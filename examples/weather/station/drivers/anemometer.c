#include "station.h"

int wind(void)
{
#ifdef DEBUG
    return STATION_RATE;
#else
    return 2;
#endif
}
