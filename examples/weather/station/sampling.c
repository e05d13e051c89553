int sample(void) { return 1; }
