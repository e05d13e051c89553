#include "station.h"

#ifndef STATION_RATE
#error "STATION_RATE must come from the project's compiler defines"
#endif

static int readings[STATION_SAMPLES];

int sample(void)
{
    return (int)(sizeof readings / sizeof readings[0]);
}
