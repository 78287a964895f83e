// The engine's C interfaces. Only the units of src/saal include this header: everything else
// in the system reaches the engine through the wrappers declared beside it.
#pragma once

#include "astro/astrofunc.h"
#include "env/envconst.h"
#include "main/dllmain.h"
#include "sgp4/sgp4prop.h"
#include "time/timefunc.h"
#include "tle/tle.h"
