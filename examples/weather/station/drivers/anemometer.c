int wind(void) { return 2; }
