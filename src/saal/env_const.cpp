#include "saal/env_const.h"

#include "saal/engine.h"

namespace vastorin::saal {

double earth_equatorial_radius_km() { return EnvGetGeoConst(XF_GEOCON_KMPER); }

double earth_ke() { return EnvGetGeoConst(XF_GEOCON_KE); }

}  // namespace vastorin::saal
