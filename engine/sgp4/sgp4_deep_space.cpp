// SDP4 deep-space terms: lunar-solar secular and periodic perturbations and the 12-hour
// and 24-hour geopotential resonances, for orbits of 225 minutes or more.
//
// Sources: Hoots and Roehrich, Spacetrack Report #3 (1980), the DEEP routine; Vallado,
// Crawford, Hujsak and Kelso, "Revisiting Spacetrack Report #3", AIAA 2006-6753 (its dscom,
// dsinit, dspace and dpper phases, with the published corrections: the integrator restarts
// on a change of direction, Lyddane's modification keyed to the perturbed inclination, the
// node kept in [0, 2 pi) as the AFSPC code does, no node term at inclinations within 3 deg
// of 0 or 180).
#include <cmath>

#include "env/wgs72.h"
#include "sgp4/sgp4_terms.h"
#include "time/time_constants.h"

namespace engine::sgp4 {
namespace {

using timeconst::kTwoPi;
using timeconst::kPi;

// Solar and lunar constants of the theory (Spacetrack Report #3, DEEP).
constexpr double kZes = 0.01675;        // solar eccentricity
constexpr double kZel = 0.05490;        // lunar eccentricity
constexpr double kC1ss = 2.9864797e-6;  // solar perturbation coefficient
constexpr double kC1l = 4.7968065e-7;   // lunar perturbation coefficient
constexpr double kZsinis = 0.39785416;  // sine and cosine of the ecliptic obliquity
constexpr double kZcosis = 0.91744867;
constexpr double kZcosgs = 0.1945905;   // solar argument of perigee
constexpr double kZsings = -0.98088458;
constexpr double kZns = 1.19459e-5;     // solar mean motion, rad/min
constexpr double kZnl = 1.5835218e-4;   // lunar mean motion, rad/min

// Earth rotation rate used by the resonance terms, rad/min.
constexpr double kRptim = 4.37526908801129966e-3;

// Resonance coefficients of the geopotential (Spacetrack Report #3).
constexpr double kQ22 = 1.7891679e-6, kQ31 = 2.1460748e-6, kQ33 = 2.2123015e-7;
constexpr double kRoot22 = 1.7891679e-6, kRoot44 = 7.3636953e-9, kRoot54 = 2.1765803e-9;
constexpr double kRoot32 = 3.7393792e-7, kRoot52 = 1.1428639e-7;
constexpr double kFasx2 = 0.13130908, kFasx4 = 2.8843198, kFasx6 = 0.37448087;
constexpr double kG22 = 5.7686396, kG32 = 0.95240898, kG44 = 1.8014998, kG52 = 1.0508330,
                 kG54 = 4.4108898;
// Resonance integrator: 720-minute steps, step2 = step^2 / 2.
constexpr double kStep = 720.0;
constexpr double kStep2 = 259200.0;

// The Greenwich-angle polynomial of the AFSPC code, on days since 1970 January 0.0.
constexpr double kDs70Offset = 7305.0;  // ds50 of 1970 January 0.0
constexpr double kThgr70 = 1.7321343856509374;
constexpr double kC1 = 1.72027916940703639e-2;
constexpr double kFk5r = 5.07551419432269442e-15;

// Quantities of dscom that dsinit needs beyond the stored coefficients.
struct CommonTerms {
  double sinim, cosim, emsq, s1, s2, s3, s4, s5, ss1, ss2, ss3, ss4, ss5;
  double sz1, sz3, sz11, sz13, sz21, sz23, sz31, sz33;
  double z1, z3, z11, z13, z21, z23, z31, z33;
};

// Lunar-solar coefficients at epoch (dscom with tc = 0).
CommonTerms lunar_solar_coefficients(double epoch, const NearEarthTerms& ne,
                                     DeepSpaceTerms& ds) {
  CommonTerms c{};
  const double nm = ne.no;
  const double em = ne.ecco;
  const double snodm = std::sin(ne.nodeo), cnodm = std::cos(ne.nodeo);
  const double sinomm = std::sin(ne.argpo), cosomm = std::cos(ne.argpo);
  c.sinim = std::sin(ne.inclo);
  c.cosim = std::cos(ne.inclo);
  c.emsq = em * em;
  const double betasq = 1.0 - c.emsq;
  const double rtemsq = std::sqrt(betasq);

  const double day = epoch + 18261.5;  // days since 1900 January 0.5
  const double xnodce = std::fmod(4.5236020 - 9.2422029e-4 * day, kTwoPi);
  const double stem = std::sin(xnodce), ctem = std::cos(xnodce);
  const double zcosil = 0.91375164 - 0.03568096 * ctem;
  const double zsinil = std::sqrt(1.0 - zcosil * zcosil);
  const double zsinhl = 0.089683511 * stem / zsinil;
  const double zcoshl = std::sqrt(1.0 - zsinhl * zsinhl);
  const double gam = 5.8351514 + 0.0019443680 * day;
  double zx = 0.39785416 * stem / zsinil;
  const double zy = zcoshl * ctem + 0.91744867 * zsinhl * stem;
  zx = std::atan2(zx, zy);
  zx = gam + zx - xnodce;
  const double zcosgl = std::cos(zx), zsingl = std::sin(zx);

  // Solar terms first, then lunar terms with the Moon's orientation.
  double zcosg = kZcosgs, zsing = kZsings, zcosi = kZcosis, zsini = kZsinis;
  double zcosh = cnodm, zsinh = snodm;
  double cc = kC1ss;
  const double xnoi = 1.0 / nm;
  double s1 = 0, s2 = 0, s3 = 0, s4 = 0, s5 = 0, s6 = 0, s7 = 0;
  double z1 = 0, z2 = 0, z3 = 0, z11 = 0, z12 = 0, z13 = 0, z21 = 0, z22 = 0, z23 = 0;
  double z31 = 0, z32 = 0, z33 = 0;
  double ss6 = 0, ss7 = 0, sz2 = 0, sz12 = 0, sz22 = 0, sz32 = 0;
  for (int lsflg = 1; lsflg <= 2; ++lsflg) {
    const double a1 = zcosg * zcosh + zsing * zcosi * zsinh;
    const double a3 = -zsing * zcosh + zcosg * zcosi * zsinh;
    const double a7 = -zcosg * zsinh + zsing * zcosi * zcosh;
    const double a8 = zsing * zsini;
    const double a9 = zsing * zsinh + zcosg * zcosi * zcosh;
    const double a10 = zcosg * zsini;
    const double a2 = c.cosim * a7 + c.sinim * a8;
    const double a4 = c.cosim * a9 + c.sinim * a10;
    const double a5 = -c.sinim * a7 + c.cosim * a8;
    const double a6 = -c.sinim * a9 + c.cosim * a10;

    const double x1 = a1 * cosomm + a2 * sinomm;
    const double x2 = a3 * cosomm + a4 * sinomm;
    const double x3 = -a1 * sinomm + a2 * cosomm;
    const double x4 = -a3 * sinomm + a4 * cosomm;
    const double x5 = a5 * sinomm;
    const double x6 = a6 * sinomm;
    const double x7 = a5 * cosomm;
    const double x8 = a6 * cosomm;

    z31 = 12.0 * x1 * x1 - 3.0 * x3 * x3;
    z32 = 24.0 * x1 * x2 - 6.0 * x3 * x4;
    z33 = 12.0 * x2 * x2 - 3.0 * x4 * x4;
    z1 = 3.0 * (a1 * a1 + a2 * a2) + z31 * c.emsq;
    z2 = 6.0 * (a1 * a3 + a2 * a4) + z32 * c.emsq;
    z3 = 3.0 * (a3 * a3 + a4 * a4) + z33 * c.emsq;
    z11 = -6.0 * a1 * a5 + c.emsq * (-24.0 * x1 * x7 - 6.0 * x3 * x5);
    z12 = -6.0 * (a1 * a6 + a3 * a5) +
          c.emsq * (-24.0 * (x2 * x7 + x1 * x8) - 6.0 * (x3 * x6 + x4 * x5));
    z13 = -6.0 * a3 * a6 + c.emsq * (-24.0 * x2 * x8 - 6.0 * x4 * x6);
    z21 = 6.0 * a2 * a5 + c.emsq * (24.0 * x1 * x5 - 6.0 * x3 * x7);
    z22 = 6.0 * (a4 * a5 + a2 * a6) +
          c.emsq * (24.0 * (x2 * x5 + x1 * x6) - 6.0 * (x4 * x7 + x3 * x8));
    z23 = 6.0 * a4 * a6 + c.emsq * (24.0 * x2 * x6 - 6.0 * x4 * x8);
    z1 = z1 + z1 + betasq * z31;
    z2 = z2 + z2 + betasq * z32;
    z3 = z3 + z3 + betasq * z33;
    s3 = cc * xnoi;
    s2 = -0.5 * s3 / rtemsq;
    s4 = s3 * rtemsq;
    s1 = -15.0 * em * s4;
    s5 = x1 * x3 + x2 * x4;
    s6 = x2 * x3 + x1 * x4;
    s7 = x2 * x4 - x1 * x3;

    if (lsflg == 1) {
      c.ss1 = s1; c.ss2 = s2; c.ss3 = s3; c.ss4 = s4; c.ss5 = s5; ss6 = s6; ss7 = s7;
      c.sz1 = z1; sz2 = z2; c.sz3 = z3; c.sz11 = z11; sz12 = z12; c.sz13 = z13;
      c.sz21 = z21; sz22 = z22; c.sz23 = z23; c.sz31 = z31; sz32 = z32; c.sz33 = z33;
      zcosg = zcosgl; zsing = zsingl; zcosi = zcosil; zsini = zsinil;
      zcosh = zcoshl * cnodm + zsinhl * snodm;
      zsinh = snodm * zcoshl - cnodm * zsinhl;
      cc = kC1l;
    }
  }
  c.s1 = s1; c.s2 = s2; c.s3 = s3; c.s4 = s4; c.s5 = s5;
  c.z1 = z1; c.z3 = z3; c.z11 = z11; c.z13 = z13; c.z21 = z21; c.z23 = z23;
  c.z31 = z31; c.z33 = z33;

  ds.zmol = std::fmod(4.7199672 + 0.22997150 * day - gam, kTwoPi);
  ds.zmos = std::fmod(6.2565837 + 0.017201977 * day, kTwoPi);

  // Solar periodic coefficients.
  ds.se2 = 2.0 * c.ss1 * ss6;
  ds.se3 = 2.0 * c.ss1 * ss7;
  ds.si2 = 2.0 * c.ss2 * sz12;
  ds.si3 = 2.0 * c.ss2 * (c.sz13 - c.sz11);
  ds.sl2 = -2.0 * c.ss3 * sz2;
  ds.sl3 = -2.0 * c.ss3 * (c.sz3 - c.sz1);
  ds.sl4 = -2.0 * c.ss3 * (-21.0 - 9.0 * c.emsq) * kZes;
  ds.sgh2 = 2.0 * c.ss4 * sz32;
  ds.sgh3 = 2.0 * c.ss4 * (c.sz33 - c.sz31);
  ds.sgh4 = -18.0 * c.ss4 * kZes;
  ds.sh2 = -2.0 * c.ss2 * sz22;
  ds.sh3 = -2.0 * c.ss2 * (c.sz23 - c.sz21);
  // Lunar periodic coefficients.
  ds.ee2 = 2.0 * s1 * s6;
  ds.e3 = 2.0 * s1 * s7;
  ds.xi2 = 2.0 * s2 * z12;
  ds.xi3 = 2.0 * s2 * (z13 - z11);
  ds.xl2 = -2.0 * s3 * z2;
  ds.xl3 = -2.0 * s3 * (z3 - z1);
  ds.xl4 = -2.0 * s3 * (-21.0 - 9.0 * c.emsq) * kZel;
  ds.xgh2 = 2.0 * s4 * z32;
  ds.xgh3 = 2.0 * s4 * (z33 - z31);
  ds.xgh4 = -18.0 * s4 * kZel;
  ds.xh2 = -2.0 * s2 * z22;
  ds.xh3 = -2.0 * s2 * (z23 - z21);
  return c;
}

// Node rate terms vanish within 3 deg of the equator (the published fix for 180 deg).
bool near_equatorial(double incl) {
  constexpr double kThreeDeg = 5.2359877e-2;
  return incl < kThreeDeg || incl > kPi - kThreeDeg;
}

// Lunar-solar secular rates (dsinit, first part).
void lunar_solar_rates(const CommonTerms& c, const NearEarthTerms& ne, DeepSpaceTerms& ds) {
  const double ses = c.ss1 * kZns * c.ss5;
  const double sis = c.ss2 * kZns * (c.sz11 + c.sz13);
  const double sls = -kZns * c.ss3 * (c.sz1 + c.sz3 - 14.0 - 6.0 * c.emsq);
  const double sghs = c.ss4 * kZns * (c.sz31 + c.sz33 - 6.0);
  double shs = -kZns * c.ss2 * (c.sz21 + c.sz23);
  if (near_equatorial(ne.inclo)) shs = 0.0;
  if (c.sinim != 0.0) shs = shs / c.sinim;
  const double sgs = sghs - c.cosim * shs;

  ds.dedt = ses + c.s1 * kZnl * c.s5;
  ds.didt = sis + c.s2 * kZnl * (c.z11 + c.z13);
  ds.dmdt = sls - kZnl * c.s3 * (c.z1 + c.z3 - 14.0 - 6.0 * c.emsq);
  const double sghl = c.s4 * kZnl * (c.z31 + c.z33 - 6.0);
  double shll = -kZnl * c.s2 * (c.z21 + c.z23);
  if (near_equatorial(ne.inclo)) shll = 0.0;
  ds.domdt = sgs + sghl;
  ds.dnodt = shs;
  if (c.sinim != 0.0) {
    ds.domdt = ds.domdt - c.cosim / c.sinim * shll;
    ds.dnodt = ds.dnodt + shll / c.sinim;
  }
}

// Half-day resonance coefficients (dsinit, irez = 2), for eccentric 12-hour orbits.
void half_day_resonance(const CommonTerms& c, const NearEarthTerms& ne, double theta,
                        double aonv, DeepSpaceTerms& ds) {
  const double cosim = c.cosim, sinim = c.sinim;
  const double cosisq = cosim * cosim;
  const double em = ne.ecco;
  const double emsq = ne.eccsq;
  const double eoc = em * emsq;
  const double g201 = -0.306 - (em - 0.64) * 0.440;
  double g211, g310, g322, g410, g422, g520;
  if (em <= 0.65) {
    g211 = 3.616 - 13.2470 * em + 16.2900 * emsq;
    g310 = -19.302 + 117.3900 * em - 228.4190 * emsq + 156.5910 * eoc;
    g322 = -18.9068 + 109.7927 * em - 214.6334 * emsq + 146.5816 * eoc;
    g410 = -41.122 + 242.6940 * em - 471.0940 * emsq + 313.9530 * eoc;
    g422 = -146.407 + 841.8800 * em - 1629.014 * emsq + 1083.4350 * eoc;
    g520 = -532.114 + 3017.977 * em - 5740.032 * emsq + 3708.2760 * eoc;
  } else {
    g211 = -72.099 + 331.819 * em - 508.738 * emsq + 266.724 * eoc;
    g310 = -346.844 + 1582.851 * em - 2415.925 * emsq + 1246.113 * eoc;
    g322 = -342.585 + 1554.908 * em - 2366.899 * emsq + 1215.972 * eoc;
    g410 = -1052.797 + 4758.686 * em - 7193.992 * emsq + 3651.957 * eoc;
    g422 = -3581.690 + 16178.110 * em - 24462.770 * emsq + 12422.520 * eoc;
    if (em > 0.715) {
      g520 = -5149.66 + 29936.92 * em - 54087.36 * emsq + 31324.56 * eoc;
    } else {
      g520 = 1464.74 - 4664.75 * em + 3763.64 * emsq;
    }
  }
  double g533, g521, g532;
  if (em < 0.7) {
    g533 = -919.22770 + 4988.6100 * em - 9064.7700 * emsq + 5542.21 * eoc;
    g521 = -822.71072 + 4568.6173 * em - 8491.4146 * emsq + 5337.524 * eoc;
    g532 = -853.66600 + 4690.2500 * em - 8624.7700 * emsq + 5341.4 * eoc;
  } else {
    g533 = -37995.780 + 161616.52 * em - 229838.20 * emsq + 109377.94 * eoc;
    g521 = -51752.104 + 218913.95 * em - 309468.16 * emsq + 146349.42 * eoc;
    g532 = -40023.880 + 170470.89 * em - 242699.48 * emsq + 115605.82 * eoc;
  }
  const double sini2 = sinim * sinim;
  const double f220 = 0.75 * (1.0 + 2.0 * cosim + cosisq);
  const double f221 = 1.5 * sini2;
  const double f321 = 1.875 * sinim * (1.0 - 2.0 * cosim - 3.0 * cosisq);
  const double f322 = -1.875 * sinim * (1.0 + 2.0 * cosim - 3.0 * cosisq);
  const double f441 = 35.0 * sini2 * f220;
  const double f442 = 39.3750 * sini2 * sini2;
  const double f522 = 9.84375 * sinim *
                      (sini2 * (1.0 - 2.0 * cosim - 5.0 * cosisq) +
                       0.33333333 * (-2.0 + 4.0 * cosim + 6.0 * cosisq));
  const double f523 = sinim * (4.92187512 * sini2 * (-2.0 - 4.0 * cosim + 10.0 * cosisq) +
                               6.56250012 * (1.0 + 2.0 * cosim - 3.0 * cosisq));
  const double f542 = 29.53125 * sinim *
                      (2.0 - 8.0 * cosim + cosisq * (-12.0 + 8.0 * cosim + 10.0 * cosisq));
  const double f543 = 29.53125 * sinim *
                      (-2.0 - 8.0 * cosim + cosisq * (12.0 + 8.0 * cosim - 10.0 * cosisq));
  const double xno2 = ne.no * ne.no;
  const double ainv2 = aonv * aonv;
  double temp1 = 3.0 * xno2 * ainv2;
  double temp = temp1 * kRoot22;
  ds.d2201 = temp * f220 * g201;
  ds.d2211 = temp * f221 * g211;
  temp1 = temp1 * aonv;
  temp = temp1 * kRoot32;
  ds.d3210 = temp * f321 * g310;
  ds.d3222 = temp * f322 * g322;
  temp1 = temp1 * aonv;
  temp = 2.0 * temp1 * kRoot44;
  ds.d4410 = temp * f441 * g410;
  ds.d4422 = temp * f442 * g422;
  temp1 = temp1 * aonv;
  temp = temp1 * kRoot52;
  ds.d5220 = temp * f522 * g520;
  ds.d5232 = temp * f523 * g532;
  temp = 2.0 * temp1 * kRoot54;
  ds.d5421 = temp * f542 * g521;
  ds.d5433 = temp * f543 * g533;
  ds.xlamo = std::fmod(ne.mo + ne.nodeo + ne.nodeo - theta - theta, kTwoPi);
  ds.xfact = ne.mdot + ds.dmdt + 2.0 * (ne.nodedot + ds.dnodt - kRptim) - ne.no;
}

// One-day (synchronous) resonance coefficients (dsinit, irez = 1).
void one_day_resonance(const CommonTerms& c, const NearEarthTerms& ne, double theta,
                       double aonv, DeepSpaceTerms& ds) {
  const double cosim = c.cosim, sinim = c.sinim, emsq = c.emsq;
  const double g200 = 1.0 + emsq * (-2.5 + 0.8125 * emsq);
  const double g310 = 1.0 + 2.0 * emsq;
  const double g300 = 1.0 + emsq * (-6.0 + 6.60937 * emsq);
  const double f220 = 0.75 * (1.0 + cosim) * (1.0 + cosim);
  const double f311 = 0.9375 * sinim * sinim * (1.0 + 3.0 * cosim) - 0.75 * (1.0 + cosim);
  double f330 = 1.0 + cosim;
  f330 = 1.875 * f330 * f330 * f330;
  double del1 = 3.0 * ne.no * ne.no * aonv * aonv;
  ds.del2 = 2.0 * del1 * f220 * g200 * kQ22;
  ds.del3 = 3.0 * del1 * f330 * g300 * kQ33 * aonv;
  ds.del1 = del1 * f311 * g310 * kQ31 * aonv;
  ds.xlamo = std::fmod(ne.mo + ne.nodeo + ne.argpo - theta, kTwoPi);
  ds.xfact = ne.mdot + ne.xpidot - kRptim + ds.dmdt + ds.domdt + ds.dnodt - ne.no;
}

// Rates of the resonance integrator at its current state (xli, xni, atime).
void resonance_rates(const DeepSpaceTerms& ds, const NearEarthTerms& ne, double xli,
                     double xni, double atime, double& xldot, double& xndt, double& xnddt) {
  if (ds.irez != 2) {
    xndt = ds.del1 * std::sin(xli - kFasx2) + ds.del2 * std::sin(2.0 * (xli - kFasx4)) +
           ds.del3 * std::sin(3.0 * (xli - kFasx6));
    xldot = xni + ds.xfact;
    xnddt = ds.del1 * std::cos(xli - kFasx2) + 2.0 * ds.del2 * std::cos(2.0 * (xli - kFasx4)) +
            3.0 * ds.del3 * std::cos(3.0 * (xli - kFasx6));
    xnddt = xnddt * xldot;
  } else {
    const double xomi = ne.argpo + ne.argpdot * atime;
    const double x2omi = xomi + xomi;
    const double x2li = xli + xli;
    xndt = ds.d2201 * std::sin(x2omi + xli - kG22) + ds.d2211 * std::sin(xli - kG22) +
           ds.d3210 * std::sin(xomi + xli - kG32) + ds.d3222 * std::sin(-xomi + xli - kG32) +
           ds.d4410 * std::sin(x2omi + x2li - kG44) + ds.d4422 * std::sin(x2li - kG44) +
           ds.d5220 * std::sin(xomi + xli - kG52) + ds.d5232 * std::sin(-xomi + xli - kG52) +
           ds.d5421 * std::sin(xomi + x2li - kG54) + ds.d5433 * std::sin(-xomi + x2li - kG54);
    xldot = xni + ds.xfact;
    xnddt = ds.d2201 * std::cos(x2omi + xli - kG22) + ds.d2211 * std::cos(xli - kG22) +
            ds.d3210 * std::cos(xomi + xli - kG32) + ds.d3222 * std::cos(-xomi + xli - kG32) +
            ds.d5220 * std::cos(xomi + xli - kG52) + ds.d5232 * std::cos(-xomi + xli - kG52) +
            2.0 * (ds.d4410 * std::cos(x2omi + x2li - kG44) +
                   ds.d4422 * std::cos(x2li - kG44) +
                   ds.d5421 * std::cos(xomi + x2li - kG54) +
                   ds.d5433 * std::cos(-xomi + x2li - kG54));
    xnddt = xnddt * xldot;
  }
}

}  // namespace

double afspc_greenwich_angle(double epoch_ds50) {
  const double ds70 = epoch_ds50 - kDs70Offset;
  const double ids70 = std::floor(ds70 + 1.0e-8);
  const double tfrac = ds70 - ids70;
  const double c1p2p = kC1 + kTwoPi;
  double gsto = std::fmod(kThgr70 + kC1 * ids70 + c1p2p * tfrac + ds70 * ds70 * kFk5r, kTwoPi);
  if (gsto < 0.0) gsto += kTwoPi;
  return gsto;
}

DeepSpaceTerms init_deep_space(double epoch_ds50, const NearEarthTerms& ne) {
  DeepSpaceTerms ds;
  ds.gsto = afspc_greenwich_angle(epoch_ds50);
  const CommonTerms c = lunar_solar_coefficients(epoch_ds50, ne, ds);
  lunar_solar_rates(c, ne, ds);

  // Resonance windows: one-day for periods of about 20 to 30 hours, half-day for eccentric
  // orbits of about 11.3 to 12.7 hours.
  const double nm = ne.no;
  ds.irez = 0;
  if (nm < 0.0052359877 && nm > 0.0034906585) ds.irez = 1;
  if (nm >= 8.26e-3 && nm <= 9.24e-3 && ne.ecco >= 0.5) ds.irez = 2;
  if (ds.irez != 0) {
    constexpr double kTwoThirds = 2.0 / 3.0;
    const double aonv = std::pow(nm / wgs72::kKe, kTwoThirds);
    const double theta = std::fmod(ds.gsto, kTwoPi);
    if (ds.irez == 2) half_day_resonance(c, ne, theta, aonv, ds);
    if (ds.irez == 1) one_day_resonance(c, ne, theta, aonv, ds);
  }
  return ds;
}

void apply_deep_space_secular(const DeepSpaceTerms& ds, const NearEarthTerms& ne, double t,
                              DeepMeanElements& m) {
  const double theta = std::fmod(ds.gsto + t * kRptim, kTwoPi);
  m.em += ds.dedt * t;
  m.inclm += ds.didt * t;
  m.argpm += ds.domdt * t;
  m.nodem += ds.dnodt * t;
  m.mm += ds.dmdt * t;
  m.mm_unwrapped = m.mm;
  if (ds.irez == 0) return;

  // Fixed-step integration of the resonant mean longitude and mean motion from the epoch,
  // then a Taylor step to t.
  double atime = 0.0;
  double xni = ne.no;
  double xli = ds.xlamo;
  const double delt = t > 0.0 ? kStep : -kStep;
  double xldot = 0.0, xndt = 0.0, xnddt = 0.0;
  double ft = 0.0;
  for (;;) {
    resonance_rates(ds, ne, xli, xni, atime, xldot, xndt, xnddt);
    if (std::fabs(t - atime) < kStep) {
      ft = t - atime;
      break;
    }
    xli = xli + xldot * delt + xndt * kStep2;
    xni = xni + xndt * delt + xnddt * kStep2;
    atime = atime + delt;
  }
  m.nm = xni + xndt * ft + xnddt * ft * ft * 0.5;
  const double xl = xli + xldot * ft + xndt * ft * ft * 0.5;
  const double theta_unwrapped = ds.gsto + t * kRptim;
  if (ds.irez != 1) {
    m.mm = xl - 2.0 * m.nodem + 2.0 * theta;
    m.mm_unwrapped = xl - 2.0 * m.nodem + 2.0 * theta_unwrapped;
  } else {
    m.mm = xl - m.nodem - m.argpm + theta;
    m.mm_unwrapped = xl - m.nodem - m.argpm + theta_unwrapped;
  }
}

void apply_lunar_solar_periodics(const DeepSpaceTerms& ds, double t, double& ep,
                                 double& inclp, double& nodep, double& argpp, double& mp) {
  // Solar terms.
  double zm = ds.zmos + kZns * t;
  double zf = zm + 2.0 * kZes * std::sin(zm);
  double sinzf = std::sin(zf);
  double f2 = 0.5 * sinzf * sinzf - 0.25;
  double f3 = -0.5 * sinzf * std::cos(zf);
  const double ses = ds.se2 * f2 + ds.se3 * f3;
  const double sis = ds.si2 * f2 + ds.si3 * f3;
  const double sls = ds.sl2 * f2 + ds.sl3 * f3 + ds.sl4 * sinzf;
  const double sghs = ds.sgh2 * f2 + ds.sgh3 * f3 + ds.sgh4 * sinzf;
  const double shs = ds.sh2 * f2 + ds.sh3 * f3;
  // Lunar terms.
  zm = ds.zmol + kZnl * t;
  zf = zm + 2.0 * kZel * std::sin(zm);
  sinzf = std::sin(zf);
  f2 = 0.5 * sinzf * sinzf - 0.25;
  f3 = -0.5 * sinzf * std::cos(zf);
  const double sel = ds.ee2 * f2 + ds.e3 * f3;
  const double sil = ds.xi2 * f2 + ds.xi3 * f3;
  const double sll = ds.xl2 * f2 + ds.xl3 * f3 + ds.xl4 * sinzf;
  const double sghl = ds.xgh2 * f2 + ds.xgh3 * f3 + ds.xgh4 * sinzf;
  const double shll = ds.xh2 * f2 + ds.xh3 * f3;

  const double pe = ses + sel;
  const double pinc = sis + sil;
  const double pl = sls + sll;
  double pgh = sghs + sghl;
  double ph = shs + shll;

  inclp = inclp + pinc;
  ep = ep + pe;
  const double sinip = std::sin(inclp);
  const double cosip = std::cos(inclp);

  if (inclp >= 0.2) {
    ph = ph / sinip;
    pgh = pgh - cosip * ph;
    argpp = argpp + pgh;
    nodep = nodep + ph;
    mp = mp + pl;
    return;
  }
  // Lyddane's modification: apply the node and inclination terms to the components of the
  // orbit normal, which stay regular at small inclination.
  const double sinop = std::sin(nodep);
  const double cosop = std::cos(nodep);
  double alfdp = sinip * sinop;
  double betdp = sinip * cosop;
  const double dalf = ph * cosop + pinc * cosip * sinop;
  const double dbet = -ph * sinop + pinc * cosip * cosop;
  alfdp = alfdp + dalf;
  betdp = betdp + dbet;
  nodep = std::fmod(nodep, kTwoPi);
  if (nodep < 0.0) nodep += kTwoPi;
  double xls = mp + argpp + cosip * nodep;
  const double dls = pl + pgh - pinc * nodep * sinip;
  xls = xls + dls;
  const double xnoh = nodep;
  nodep = std::atan2(alfdp, betdp);
  if (nodep < 0.0) nodep += kTwoPi;
  if (std::fabs(xnoh - nodep) > kPi) {
    if (nodep < xnoh) {
      nodep = nodep + kTwoPi;
    } else {
      nodep = nodep - kTwoPi;
    }
  }
  mp = mp + pl;
  argpp = xls - mp - cosip * nodep;
}

}  // namespace engine::sgp4
