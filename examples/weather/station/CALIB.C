/* An old 8.3 name in capitals: CVI compiles it as C, whatever the letter case of ".C". */
#include "station.h"
#include "units.h"

int calibrate(const void *table, int count)
{
    /* C converts a void pointer without a cast; C++ would not compile this line. */
    const int *tenths = table;
    int sum = 0;
    int i;

    for (i = 0; i < count; i++)
        sum += tenths[i];
    return count ? sum / (count * TENTHS_PER_UNIT) : 0;
}
