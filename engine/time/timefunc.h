// Time library: calendar conversions, date-time groups, the time systems UTC, TAI, UT1 and
// TT, the Earth-orientation (time-constants) file and the Greenwich angles.
//
// Day counts are ds50: days since 1950 January 0.0, so 1950-01-01T00:00:00 is 1.0 and
// ds50 = JD - 2433281.5 = MJD - 33281. The name of each argument says its time system.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// Loads an Earth-orientation file (IERS finals2000A / finals.data layout, or CelesTrak
// EOP-All in text or CSV layout). Returns 0, or non-zero with a last-error text naming the
// file (and the line, for a line that cannot be read); on failure nothing is loaded and
// what was loaded before stays in place.
int TConLoadFile(const char* tconFile);

// Non-zero when an Earth-orientation file is loaded.
int IsTConFileLoaded(void);

// Time-system conversions of one instant.
double UTCToTAI(double ds50UTC);
double TAIToUTC(double ds50TAI);
double UTCToUT1(double ds50UTC);
double TAIToUT1(double ds50TAI);
double UTCToET(double ds50UTC);  // TT = TAI + 32.184 s

// Reads a date-time group (any of the four forms written below, or ISO
// YYYY-MM-DDTHH:MM:SS.SSS) from a NUL-terminated text; returns ds50 UTC. Text in none of
// these forms gives NaN and a last-error text.
double DTGToUTC(const char* dtg);

// Writes a date-time group into dtg (at least GETSETSTRLEN bytes), NUL-terminated.
void UTCToDTG20(double ds50UTC, char* dtg20);  // YYYY/DDD HHMM SS.SSS
void UTCToDTG19(double ds50UTC, char* dtg19);  // YYYYMonDDHHMMSS.SSS
void UTCToDTG17(double ds50UTC, char* dtg17);  // YYYY/DDD.DDDDDDDD
void UTCToDTG15(double ds50UTC, char* dtg15);  // YYDDDHHMMSS.SSS

// Calendar components of a day count, and back. The components are not range-checked:
// a month of 13 or a minute of 61 carries into the next year or hour.
void UTCToTimeComps2(double ds50UTC, int* year, int* month, int* dayOfMonth, int* hour,
                     int* minute, double* second);
double TimeComps2ToUTC(int year, int month, int dayOfMonth, int hour, int minute,
                       double second);

// Year and day of year with fraction (1.0 is 1 January 00:00).
void UTCToYrDays(double ds50UTC, int* year, double* dayOfYear);

// Greenwich angles in radians, in [0, 2 pi).
double ThetaGrnwchFK4(double ds50UT1);  // Spacetrack Report #3 THETAG, 1950 epoch
double ThetaGrnwchFK5(double ds50UT1);  // GMST IAU 1982

#ifdef __cplusplus
}
#endif
