/* The weather station's shared declarations, found through the project's include folder. */
#ifndef STATION_H
#define STATION_H

/* STATION_RATE, the samples per second, comes from the project's compiler defines. */
#define STATION_SAMPLES (STATION_RATE * 60)

int sample(void);
int wind(void);
int humidity(void);
int calibrate(const void *table, int count);

#endif
