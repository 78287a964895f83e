// SGP4 library: SGP4/SDP4 propagation of element sets loaded in the TLE store, as published
// in Spacetrack Report #3 (Hoots and Roehrich 1980) and revised in "Revisiting Spacetrack
// Report #3" (Vallado, Crawford, Hujsak and Kelso, AIAA 2006-6753), AFSPC-compatible form,
// WGS-72. Output in TEME, km and km/s.
//
// A key is initialised once with Sgp4InitSat (the same key as in the TLE store) and can then
// be propagated concurrently from any thread.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Time types of Sgp4PropAll.
#define SGP4_TIMETYPE_MSE 0   // minutes since the element set's epoch
#define SGP4_TIMETYPE_DS50UTC 1

// Output array of Sgp4PropAll (64 doubles). Entries not listed are 0.
#define XA_SGP4OUT_DS50UTC 0      // time, ds50 UTC
#define XA_SGP4OUT_MSE 1          // minutes since epoch
#define XA_SGP4OUT_POSX 2         // TEME position, km (2..4)
#define XA_SGP4OUT_VELX 5         // TEME velocity, km/s (5..7)
#define XA_SGP4OUT_LAT 8          // geodetic latitude, deg
#define XA_SGP4OUT_LON 9          // east longitude, deg
#define XA_SGP4OUT_HEIGHT 10      // height above the WGS-72 ellipsoid, km
#define XA_SGP4OUT_REVNUM 11      // revolution number
#define XA_SGP4OUT_NODALPRD 12    // nodal period, minutes
#define XA_SGP4OUT_APHT 13        // apogee height, km
#define XA_SGP4OUT_PGHT 14        // perigee height, km
#define XA_SGP4OUT_MN_A 15        // mean elements at the time (15..20): a (km), e, i (deg),
#define XA_SGP4OUT_MN_E 16        //   mean anomaly, node, argument of perigee (deg)
#define XA_SGP4OUT_MN_INCLI 17
#define XA_SGP4OUT_MN_MA 18
#define XA_SGP4OUT_MN_NODE 19
#define XA_SGP4OUT_MN_OMEGA 20
#define XA_SGP4OUT_OSC_A 21       // osculating elements at the time (21..26), same order
#define XA_SGP4OUT_OSC_E 22
#define XA_SGP4OUT_OSC_INCLI 23
#define XA_SGP4OUT_OSC_MA 24
#define XA_SGP4OUT_OSC_NODE 25
#define XA_SGP4OUT_OSC_OMEGA 26
#define XA_SGP4OUT_SIZE 64

// Initialises the element set loaded under satKey for propagation. Returns 0, or non-zero
// with a last-error text (unknown key, elements SGP4 cannot start from).
int Sgp4InitSat(int64_t satKey);

// Removes the propagation state of satKey (the TLE store keeps its element set).
int Sgp4RemoveSat(int64_t satKey);

// Position (km) and velocity (km/s) in TEME at a UTC instant. Returns 0, or the SGP4 error
// code (1 mean eccentricity out of range, 2 negative mean motion, 3 perturbed eccentricity
// out of range, 4 negative semi-latus rectum, 6 decayed) with a last-error text that names
// the condition and the time; any other failure is non-zero with a text.
int Sgp4PropDs50UtcPosVel(int64_t satKey, double ds50UTC, double* pos, double* vel);

// Everything SGP4 computes at a time (layout above). timeType is SGP4_TIMETYPE_MSE or
// SGP4_TIMETYPE_DS50UTC. Returns 0 or an error as Sgp4PropDs50UtcPosVel.
int Sgp4PropAll(int64_t satKey, int timeType, double timeIn, double* xa_Sgp4Out);

// Mean equinoctial elements at a UTC instant (astrofunc.h order) and their rates per day.
int XpGetNativeElts(int64_t satKey, double ds50UTC, double* xa_eqnx, double* xa_eqnx_dot);

// Writes the two lines of an element set of the same type at a new epoch, fitted so that
// its own SGP4 state there reproduces this key's state. Returns 0, or non-zero with a text.
int Sgp4ReepochTLE(int64_t satKey, double reEpochDs50UTC, char* line1Out, char* line2Out);

#ifdef __cplusplus
}
#endif
