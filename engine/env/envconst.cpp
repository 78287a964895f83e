#include "env/envconst.h"

#include "env/wgs72.h"

extern "C" double EnvGetGeoConst(int xf_GeoConst) {
  namespace w = engine::wgs72;
  switch (xf_GeoConst) {
    case XF_GEOCON_FF: return w::kFlattening;
    case XF_GEOCON_J2: return w::kJ2;
    case XF_GEOCON_J3: return w::kJ3;
    case XF_GEOCON_J4: return w::kJ4;
    case XF_GEOCON_KE: return w::kKe;
    case XF_GEOCON_KMPER: return w::kRadiusKm;
    case XF_GEOCON_RPTIM: return w::kRotationRate;
    case XF_GEOCON_MU: return w::kMu;
    default: return 0.0;
  }
}
