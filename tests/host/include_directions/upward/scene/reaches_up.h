// A file of the scene that reaches up for the host's state: the direction
// check must refuse it.
#include "host/exports/host_state.h"
