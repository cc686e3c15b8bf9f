#include "version.h"

#ifndef BELLSCOPE_VERSION
#define BELLSCOPE_VERSION "dev"
#endif

const char bellscope_version[] = BELLSCOPE_VERSION;
