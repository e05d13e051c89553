#include <ansi_c.h>
#include <userint.h>
#include "station.h"
#include "toolbox.h"

int main(void)
{
    char text[64];

    sprintf(text, "%d samples per minute", STATION_SAMPLES);
    MessagePopup("Weather station", text);
    return Clamp(sample() + wind(), 0, 100) == (int)strlen(text) ? 1 : 0;
}
