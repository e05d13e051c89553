int sample(void);
