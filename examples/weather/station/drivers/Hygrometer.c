/* The project lists this file as hygrometer.c, which Windows finds whatever the letter case. */
#include "station.h"
#include "units.h"

int humidity(void)
{
    return PERCENT(sample(), STATION_SAMPLES);
}
