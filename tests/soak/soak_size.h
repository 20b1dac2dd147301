// How long the soak runs: a few seconds in CTest, the full session on demand.
#ifndef KESTRIX_TESTS_SOAK_SIZE_H
#define KESTRIX_TESTS_SOAK_SIZE_H

struct SoakSize {
    int opens = 20;           // the dialog opened and closed
    int attachCycles = 40;    // a payload attached and detached
    int clicks = 400;         // arrow clicks on an attached payload
    int controlRounds = 100;  // two gauges and a switch created, worked and destroyed
};

// Set from the command line before any test runs.
extern SoakSize g_soakSize;

#endif
