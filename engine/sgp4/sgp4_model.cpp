// SGP4/SDP4: initialisation from mean elements and evaluation at a time since epoch.
//
// Sources: Hoots and Roehrich, Spacetrack Report #3 (1980), SGP4 and SDP4; Vallado,
// Crawford, Hujsak and Kelso, "Revisiting Spacetrack Report #3", AIAA 2006-6753 (initl,
// sgp4init and sgp4, AFSPC-compatible form). WGS-72 constants.
#include "sgp4/sgp4_model.h"

#include <cmath>

#include "env/wgs72.h"
#include "sgp4/sgp4_radiation_pressure.h"
#include "time/time_constants.h"

namespace engine::sgp4 {
namespace {

using timeconst::kTwoPi;
using timeconst::kPi;
constexpr double kTwoThirds = 2.0 / 3.0;

constexpr double kRadiusKm = wgs72::kRadiusKm;
constexpr double kXke = wgs72::kKe;
constexpr double kJ2 = wgs72::kJ2;
constexpr double kJ4 = wgs72::kJ4;
constexpr double kJ3oJ2 = wgs72::kJ3 / wgs72::kJ2;
constexpr double kVelocityKmPerSec = kRadiusKm * kXke / 60.0;

// Orbits of this period or longer take the deep-space terms (minutes).
constexpr double kDeepSpacePeriodMin = 225.0;
// Atmosphere model: density parameter s = 78 km and q0 = 120 km above the surface; the
// perigee heights (km) below which s is lowered and the drag equations simplified.
constexpr double kS0Km = 78.0;
constexpr double kQ0Km = 120.0;
constexpr double kLowPerigeeKm = 156.0;
constexpr double kVeryLowPerigeeKm = 98.0;
constexpr double kVeryLowPerigeeSKm = 20.0;
constexpr double kSimplifiedDragPerigeeKm = 220.0;
// Eccentricities below this drop the eccentricity-dependent drag terms.
constexpr double kSmallEccentricity = 1.0e-4;
// Guard of the J3 long-period term at 180 deg inclination.
constexpr double kTemp4 = 1.5e-12;
// The mean eccentricity floor of the propagation.
constexpr double kMinEccentricity = 1.0e-6;

double pow4(double x) {
  const double x2 = x * x;
  return x2 * x2;
}

bool finite(const MeanElements& el) {
  return std::isfinite(el.epoch_ds50_utc) && std::isfinite(el.eccentricity) &&
         std::isfinite(el.inclination_rad) && std::isfinite(el.raan_rad) &&
         std::isfinite(el.arg_perigee_rad) && std::isfinite(el.mean_anomaly_rad) &&
         std::isfinite(el.mean_motion_rad_per_min) && std::isfinite(el.bstar) &&
         std::isfinite(el.agom_m2_per_kg);
}

// initl and the near-Earth part of sgp4init.
NearEarthTerms init_near_earth(const MeanElements& el) {
  NearEarthTerms ne;
  ne.ecco = el.eccentricity;
  ne.inclo = el.inclination_rad;
  ne.nodeo = el.raan_rad;
  ne.argpo = el.arg_perigee_rad;
  ne.mo = el.mean_anomaly_rad;
  ne.no = el.mean_motion_rad_per_min;
  ne.bstar = el.bstar;

  ne.eccsq = ne.ecco * ne.ecco;
  ne.omeosq = 1.0 - ne.eccsq;
  ne.rteosq = std::sqrt(ne.omeosq);
  ne.cosio = std::cos(ne.inclo);
  ne.cosio2 = ne.cosio * ne.cosio;
  ne.ao = std::pow(kXke / ne.no, kTwoThirds);
  ne.sinio = std::sin(ne.inclo);
  const double po = ne.ao * ne.omeosq;
  const double con42 = 1.0 - 5.0 * ne.cosio2;
  ne.con41 = -con42 - ne.cosio2 - ne.cosio2;
  const double posq = po * po;
  const double rp = ne.ao * (1.0 - ne.ecco);

  ne.isimp = rp < kSimplifiedDragPerigeeKm / kRadiusKm + 1.0;

  // Atmosphere parameters, lowered for low perigees.
  double sfour = kS0Km / kRadiusKm + 1.0;
  double qzms24 = pow4((kQ0Km - kS0Km) / kRadiusKm);
  const double perige = (rp - 1.0) * kRadiusKm;
  if (perige < kLowPerigeeKm) {
    sfour = perige - kS0Km;
    if (perige < kVeryLowPerigeeKm) sfour = kVeryLowPerigeeSKm;
    qzms24 = pow4((kQ0Km - sfour) / kRadiusKm);
    sfour = sfour / kRadiusKm + 1.0;
  }
  const double pinvsq = 1.0 / posq;

  const double tsi = 1.0 / (ne.ao - sfour);
  ne.eta = ne.ao * ne.ecco * tsi;
  const double etasq = ne.eta * ne.eta;
  const double eeta = ne.ecco * ne.eta;
  const double psisq = std::fabs(1.0 - etasq);
  const double coef = qzms24 * pow4(tsi);
  const double coef1 = coef / std::pow(psisq, 3.5);
  const double cc2 =
      coef1 * ne.no *
      (ne.ao * (1.0 + 1.5 * etasq + eeta * (4.0 + etasq)) +
       0.375 * kJ2 * tsi / psisq * ne.con41 * (8.0 + 3.0 * etasq * (8.0 + etasq)));
  ne.cc1 = ne.bstar * cc2;
  double cc3 = 0.0;
  if (ne.ecco > kSmallEccentricity) cc3 = -2.0 * coef * tsi * kJ3oJ2 * ne.no * ne.sinio / ne.ecco;
  ne.x1mth2 = 1.0 - ne.cosio2;
  ne.cc4 = 2.0 * ne.no * coef1 * ne.ao * ne.omeosq *
           (ne.eta * (2.0 + 0.5 * etasq) + ne.ecco * (0.5 + 2.0 * etasq) -
            kJ2 * tsi / (ne.ao * psisq) *
                (-3.0 * ne.con41 * (1.0 - 2.0 * eeta + etasq * (1.5 - 0.5 * eeta)) +
                 0.75 * ne.x1mth2 * (2.0 * etasq - eeta * (1.0 + etasq)) *
                     std::cos(2.0 * ne.argpo)));
  ne.cc5 = 2.0 * coef1 * ne.ao * ne.omeosq * (1.0 + 2.75 * (etasq + eeta) + eeta * etasq);

  // Secular rates of gravity (J2 to second order, J4).
  const double cosio4 = ne.cosio2 * ne.cosio2;
  const double temp1 = 1.5 * kJ2 * pinvsq * ne.no;
  const double temp2 = 0.5 * temp1 * kJ2 * pinvsq;
  const double temp3 = -0.46875 * kJ4 * pinvsq * pinvsq * ne.no;
  ne.mdot = ne.no + 0.5 * temp1 * ne.rteosq * ne.con41 +
            0.0625 * temp2 * ne.rteosq * (13.0 - 78.0 * ne.cosio2 + 137.0 * cosio4);
  ne.argpdot = -0.5 * temp1 * con42 + 0.0625 * temp2 * (7.0 - 114.0 * ne.cosio2 + 395.0 * cosio4) +
               temp3 * (3.0 - 36.0 * ne.cosio2 + 49.0 * cosio4);
  const double xhdot1 = -temp1 * ne.cosio;
  ne.nodedot = xhdot1 + (0.5 * temp2 * (4.0 - 19.0 * ne.cosio2) +
                         2.0 * temp3 * (3.0 - 7.0 * ne.cosio2)) * ne.cosio;
  ne.xpidot = ne.argpdot + ne.nodedot;
  ne.omgcof = ne.bstar * cc3 * std::cos(ne.argpo);
  ne.xmcof = 0.0;
  if (ne.ecco > kSmallEccentricity) ne.xmcof = -kTwoThirds * coef * ne.bstar / eeta;
  ne.nodecf = 3.5 * ne.omeosq * xhdot1 * ne.cc1;
  ne.t2cof = 1.5 * ne.cc1;
  const double onepc = std::fabs(ne.cosio + 1.0) > kTemp4 ? 1.0 + ne.cosio : kTemp4;
  ne.xlcof = -0.25 * kJ3oJ2 * ne.sinio * (3.0 + 5.0 * ne.cosio) / onepc;
  ne.aycof = -0.5 * kJ3oJ2 * ne.sinio;
  const double delmotemp = 1.0 + ne.eta * std::cos(ne.mo);
  ne.delmo = delmotemp * delmotemp * delmotemp;
  ne.sinmao = std::sin(ne.mo);
  ne.x7thm1 = 7.0 * ne.cosio2 - 1.0;

  // Higher-order drag terms, unless the perigee is low (deep space drops them too, in
  // Model::create).
  if (!ne.isimp) {
    const double cc1sq = ne.cc1 * ne.cc1;
    ne.d2 = 4.0 * ne.ao * tsi * cc1sq;
    const double temp = ne.d2 * tsi * ne.cc1 / 3.0;
    ne.d3 = (17.0 * ne.ao + sfour) * temp;
    ne.d4 = 0.5 * temp * ne.ao * tsi * (221.0 * ne.ao + 31.0 * sfour) * ne.cc1;
    ne.t3cof = ne.d2 + 2.0 * cc1sq;
    ne.t4cof = 0.25 * (3.0 * ne.d3 + ne.cc1 * (12.0 * ne.d2 + 10.0 * cc1sq));
    ne.t5cof = 0.2 * (3.0 * ne.d4 + 12.0 * ne.cc1 * ne.d3 + 6.0 * ne.d2 * ne.d2 +
                      15.0 * cc1sq * (2.0 * ne.d2 + cc1sq));
  }
  return ne;
}

// The simplified drag equations, kept for deep space and low perigees.
void drop_higher_order_drag(NearEarthTerms& ne) {
  ne.isimp = true;
  ne.d2 = ne.d3 = ne.d4 = 0.0;
  ne.t3cof = ne.t4cof = ne.t5cof = 0.0;
}

}  // namespace

const char* error_condition(int code) {
  switch (code) {
    case kOk: return "no error";
    case kErrMeanEccentricity: return "mean eccentricity out of range";
    case kErrMeanMotion: return "negative mean motion";
    case kErrPerturbedEccentricity: return "perturbed eccentricity out of range";
    case kErrSemiLatusRectum: return "negative semi-latus rectum";
    case kErrDecayed: return "satellite decayed";
    default: return "unknown error";
  }
}

double kozai_to_brouwer(double kozai_rad_per_min, double eccentricity, double inclination_rad) {
  const double cosio = std::cos(inclination_rad);
  const double omeosq = 1.0 - eccentricity * eccentricity;
  const double rteosq = std::sqrt(omeosq);
  const double ak = std::pow(kXke / kozai_rad_per_min, kTwoThirds);
  const double d1 = 0.75 * kJ2 * (3.0 * cosio * cosio - 1.0) / (rteosq * omeosq);
  double del = d1 / (ak * ak);
  const double adel = ak * (1.0 - del * del - del * (1.0 / 3.0 + 134.0 * del * del / 81.0));
  del = d1 / (adel * adel);
  return kozai_rad_per_min / (1.0 + del);
}

int Model::create(const MeanElements& elements, Model& out) {
  if (!finite(elements) || elements.eccentricity < 0.0 || elements.eccentricity >= 1.0) {
    return kErrMeanEccentricity;
  }
  if (!(elements.mean_motion_rad_per_min > 0.0)) return kErrMeanMotion;

  Model m;
  m.elements_ = elements;
  m.near_ = init_near_earth(elements);
  m.deep_space_ = kTwoPi / m.near_.no >= kDeepSpacePeriodMin;
  if (m.deep_space_) {
    drop_higher_order_drag(m.near_);
    m.deep_ = init_deep_space(elements.epoch_ds50_utc, m.near_);
  }
  m.srp_ = init_radiation_pressure(elements, m.near_);
  out = m;
  return kOk;
}

int Model::propagate(double t, Prediction& out) const {
  out = Prediction{};
  const NearEarthTerms& ne = near_;

  // Secular gravity and drag.
  const double xmdf = ne.mo + ne.mdot * t;
  const double argpdf = ne.argpo + ne.argpdot * t;
  const double nodedf = ne.nodeo + ne.nodedot * t;
  double argpm = argpdf;
  double mm = xmdf;
  const double t2 = t * t;
  double nodem = nodedf + ne.nodecf * t2;
  double tempa = 1.0 - ne.cc1 * t;
  double tempe = ne.bstar * ne.cc4 * t;
  double templ = ne.t2cof * t2;
  if (!ne.isimp) {
    const double delomg = ne.omgcof * t;
    const double delmtemp = 1.0 + ne.eta * std::cos(xmdf);
    const double delm = ne.xmcof * (delmtemp * delmtemp * delmtemp - ne.delmo);
    const double temp = delomg + delm;
    mm = xmdf + temp;
    argpm = argpdf - temp;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    tempa = tempa - ne.d2 * t2 - ne.d3 * t3 - ne.d4 * t4;
    tempe = tempe + ne.bstar * ne.cc5 * (std::sin(mm) - ne.sinmao);
    templ = templ + ne.t3cof * t3 + t4 * (ne.t4cof + t * ne.t5cof);
  }

  double nm = ne.no;
  double em = ne.ecco;
  double inclm = ne.inclo;
  double arg_latitude_rate = ne.mdot + ne.argpdot - ne.no;
  double mm_unwrapped = mm;
  if (deep_space_) {
    DeepMeanElements d{em, inclm, argpm, nodem, mm, nm, mm};
    apply_deep_space_secular(deep_, ne, t, d);
    em = d.em;
    inclm = d.inclm;
    argpm = d.argpm;
    nodem = d.nodem;
    mm = d.mm;
    nm = d.nm;
    mm_unwrapped = d.mm_unwrapped;
    arg_latitude_rate += deep_.dmdt + deep_.domdt;
  }
  if (nm <= 0.0) return kErrMeanMotion;

  const double am = std::pow(kXke / nm, kTwoThirds) * tempa * tempa;
  nm = kXke / (am * std::sqrt(am));
  em = em - tempe;
  if (em >= 1.0 || em < -0.001) return kErrMeanEccentricity;
  if (em < kMinEccentricity) em = kMinEccentricity;
  mm = mm + ne.no * templ;
  const double arg_latitude_unwrapped = mm_unwrapped + ne.no * templ + argpm;
  double xlm = mm + argpm + nodem;
  nodem = std::fmod(nodem, kTwoPi);
  argpm = std::fmod(argpm, kTwoPi);
  xlm = std::fmod(xlm, kTwoPi);
  mm = std::fmod(xlm - argpm - nodem, kTwoPi);

  if (srp_.active) {
    apply_radiation_pressure(srp_, t, em, inclm, nodem, argpm, mm);
    if (em >= 1.0) return kErrMeanEccentricity;
    if (em < kMinEccentricity) em = kMinEccentricity;
  }

  // The mean elements at the time, for the caller.
  out.mean_motion_rad_per_min = nm;
  out.semi_major_axis_km = am * kRadiusKm;
  out.eccentricity = em;
  out.inclination_rad = inclm;
  auto wrap = [](double a) {
    const double w = std::fmod(a, kTwoPi);
    return w < 0.0 ? w + kTwoPi : w;
  };
  out.raan_rad = wrap(nodem);
  out.arg_perigee_rad = wrap(argpm);
  out.mean_anomaly_rad = wrap(mm);
  out.arg_latitude_advance_rad = arg_latitude_unwrapped - (ne.mo + ne.argpo);
  out.arg_latitude_rate_rad_per_min = nm + arg_latitude_rate;

  // Lunar-solar periodics.
  double ep = em;
  double xincp = inclm;
  double argpp = argpm;
  double nodep = nodem;
  double mp = mm;
  // Without deep-space or radiation-pressure terms the inclination keeps its epoch value, whose
  // sine and cosine were computed at initialisation.
  const bool recompute_inclination_terms = deep_space_ || srp_.active;
  double sinip = recompute_inclination_terms ? std::sin(inclm) : ne.sinio;
  double cosip = recompute_inclination_terms ? std::cos(inclm) : ne.cosio;
  if (deep_space_) {
    apply_lunar_solar_periodics(deep_, t, ep, xincp, nodep, argpp, mp);
    if (xincp < 0.0) {
      xincp = -xincp;
      nodep = nodep + kPi;
      argpp = argpp - kPi;
    }
    if (ep < 0.0 || ep > 1.0) {
      out = Prediction{};
      return kErrPerturbedEccentricity;
    }
  }

  // Long-period periodics (J3), at the perturbed inclination when it moves.
  double xlcof = ne.xlcof;
  double aycof = ne.aycof;
  if (recompute_inclination_terms) {
    sinip = std::sin(xincp);
    cosip = std::cos(xincp);
    aycof = -0.5 * kJ3oJ2 * sinip;
    const double onepc = std::fabs(cosip + 1.0) > kTemp4 ? 1.0 + cosip : kTemp4;
    xlcof = -0.25 * kJ3oJ2 * sinip * (3.0 + 5.0 * cosip) / onepc;
  }
  const double axnl = ep * std::cos(argpp);
  double temp = 1.0 / (am * (1.0 - ep * ep));
  const double aynl = ep * std::sin(argpp) + temp * aycof;
  const double xl = mp + argpp + nodep + temp * xlcof * axnl;

  // Kepler's equation in the equinoctial form, Newton steps limited to 0.95 rad.
  const double u = std::fmod(xl - nodep, kTwoPi);
  double eo1 = u;
  double tem5 = 9999.9;
  double sineo1 = 0.0, coseo1 = 0.0;
  for (int ktr = 1; std::fabs(tem5) >= 1.0e-12 && ktr <= 10; ++ktr) {
    sineo1 = std::sin(eo1);
    coseo1 = std::cos(eo1);
    tem5 = 1.0 - coseo1 * axnl - sineo1 * aynl;
    tem5 = (u - aynl * coseo1 + axnl * sineo1 - eo1) / tem5;
    if (std::fabs(tem5) >= 0.95) tem5 = tem5 > 0.0 ? 0.95 : -0.95;
    eo1 = eo1 + tem5;
  }

  // Short-period periodics (J2).
  const double ecose = axnl * coseo1 + aynl * sineo1;
  const double esine = axnl * sineo1 - aynl * coseo1;
  const double el2 = axnl * axnl + aynl * aynl;
  const double pl = am * (1.0 - el2);
  if (pl < 0.0) {
    out = Prediction{};
    return kErrSemiLatusRectum;
  }
  const double rl = am * (1.0 - ecose);
  const double rdotl = std::sqrt(am) * esine / rl;
  const double rvdotl = std::sqrt(pl) / rl;
  const double betal = std::sqrt(1.0 - el2);
  temp = esine / (1.0 + betal);
  const double sinu = am / rl * (sineo1 - aynl - axnl * temp);
  const double cosu = am / rl * (coseo1 - axnl + aynl * temp);
  double su = std::atan2(sinu, cosu);
  const double sin2u = (cosu + cosu) * sinu;
  const double cos2u = 1.0 - 2.0 * sinu * sinu;
  temp = 1.0 / pl;
  const double temp1 = 0.5 * kJ2 * temp;
  const double temp2 = temp1 * temp;

  double con41 = ne.con41, x1mth2 = ne.x1mth2, x7thm1 = ne.x7thm1;
  if (recompute_inclination_terms) {
    const double cosisq = cosip * cosip;
    con41 = 3.0 * cosisq - 1.0;
    x1mth2 = 1.0 - cosisq;
    x7thm1 = 7.0 * cosisq - 1.0;
  }
  const double mrt = rl * (1.0 - 1.5 * temp2 * betal * con41) + 0.5 * temp1 * x1mth2 * cos2u;
  su = su - 0.25 * temp2 * x7thm1 * sin2u;
  const double xnode = nodep + 1.5 * temp2 * cosip * sin2u;
  const double xinc = xincp + 1.5 * temp2 * cosip * sinip * cos2u;
  const double mvt = rdotl - nm * temp1 * x1mth2 * sin2u / kXke;
  const double rvdot = rvdotl + nm * temp1 * (x1mth2 * cos2u + 1.5 * con41) / kXke;

  // Orientation vectors and the state.
  const double sinsu = std::sin(su), cossu = std::cos(su);
  const double snod = std::sin(xnode), cnod = std::cos(xnode);
  const double sini = std::sin(xinc), cosi = std::cos(xinc);
  const double xmx = -snod * cosi;
  const double xmy = cnod * cosi;
  const double ux = xmx * sinsu + cnod * cossu;
  const double uy = xmy * sinsu + snod * cossu;
  const double uz = sini * sinsu;
  const double vx = xmx * cossu - cnod * sinsu;
  const double vy = xmy * cossu - snod * sinsu;
  const double vz = sini * cossu;
  out.pos_km[0] = mrt * ux * kRadiusKm;
  out.pos_km[1] = mrt * uy * kRadiusKm;
  out.pos_km[2] = mrt * uz * kRadiusKm;
  out.vel_km_s[0] = (mvt * ux + rvdot * vx) * kVelocityKmPerSec;
  out.vel_km_s[1] = (mvt * uy + rvdot * vy) * kVelocityKmPerSec;
  out.vel_km_s[2] = (mvt * uz + rvdot * vz) * kVelocityKmPerSec;

  if (mrt < 1.0) return kErrDecayed;
  return kOk;
}

}  // namespace engine::sgp4
