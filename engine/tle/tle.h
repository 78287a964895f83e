// TLE library: reads and writes two-line element sets and keeps the TLE store, the loaded
// element sets under 64-bit keys that the SGP4 library propagates.
//
// The store accepts concurrent additions, removals and lookups from any thread.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// TLE value array (64 doubles). Entries not listed are 0.
#define XA_TLE_SATNUM 0      // satellite number
#define XA_TLE_EPOCH 1       // epoch, ds50 UTC
#define XA_TLE_NDOT 2        // mean motion first derivative / 2, rev/day^2 (types 0, 2)
#define XA_TLE_SP_BTERM 2    // ballistic term (type 6)
#define XA_TLE_NDOTDOT 3     // mean motion second derivative / 6, rev/day^3 (types 0, 2)
#define XA_TLE_BSTAR 4       // B*, 1/earth radii (types 0, 2)
#define XA_TLE_SP_AGOM 4     // radiation-pressure term (type 6)
#define XA_TLE_EPHTYPE 5     // ephemeris type: 0, 2, 4 or 6
#define XA_TLE_ELSETNUM 6    // element set number
#define XA_TLE_INCLI 20      // inclination, deg
#define XA_TLE_NODE 21       // right ascension of the ascending node, deg
#define XA_TLE_ECCEN 22      // eccentricity
#define XA_TLE_OMEGA 23      // argument of perigee, deg
#define XA_TLE_MNANOM 24     // mean anomaly, deg
#define XA_TLE_MNMOTN 25     // mean motion, rev/day (Kozai for type 0, Brouwer otherwise)
#define XA_TLE_REVNUM 26     // revolution number at epoch
#define XA_TLE_BTERM 32      // ballistic term (type 4)
#define XA_TLE_AGOM 38       // radiation-pressure term (type 4)
#define XA_TLE_SIZE 64

// TLE text fields: character 0 is the classification letter, characters 1 to 12 the
// international designator. TleLinesToArray writes the designator blank-padded to 12
// characters; the readers accept it shorter.
#define XS_TLE_SECCLASS_0_1 0
#define XS_TLE_SATNAME_1_12 1

// Reads two lines (NUL-terminated) into the value array and the text fields (at least
// GETSETSTRLEN bytes). Returns 0, or non-zero with a last-error text naming the field and
// its columns. A wrong checksum alone is not a reason to refuse the lines.
int TleLinesToArray(const char* line1, const char* line2, double* xa_tle, char* xs_tle);

// Loads an element set into the store. Returns its key (> 0), or 0 or less with a
// last-error text when the set is refused.
int64_t TleAddSatFrArray(const double* xa_tle, const char* xs_tle);

// Writes the two lines of an element set (each at least GETSETSTRLEN bytes) with correct
// checksums. Returns 0, or non-zero with a last-error text and two empty lines.
int TleGPArrayToLines(const double* xa_tle, const char* xs_tle, char* line1, char* line2);

// Removes a key from the store. Returns 0, or non-zero when the key is not loaded.
int TleRemoveSat(int64_t satKey);

#ifdef __cplusplus
}
#endif
