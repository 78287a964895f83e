// The engine's time functions, and the `time_func_interface` submodule.
#pragma once

#include <string>
#include <string_view>

#include "exceptions/error.h"
#include "time/time_components.h"

namespace vastorin::saal {

// Time-system conversions of a day count since 1950; -1.0 is the engine's failure value.
double utc_to_tai(double ds50_utc);
double tai_to_utc(double ds50_tai);
double utc_to_ut1(double ds50_utc);
double tai_to_ut1(double ds50_tai);
double utc_to_tt(double ds50_utc);

// Date-time groups: the text is cut at 512 bytes; the engine's answer is used as it is.
double dtg_to_utc(std::string_view dtg);
std::string utc_to_dtg20(double ds50_utc);
std::string utc_to_dtg19(double ds50_utc);
std::string utc_to_dtg17(double ds50_utc);
std::string utc_to_dtg15(double ds50_utc);

TimeComponents utc_to_time_components(double ds50_utc);
double time_components_to_utc(int year, int month, int day, int hour, int minute, double second);
double utc_to_day_of_year(double ds50_utc);

double fk4_greenwich_angle(double ds50_ut1);  // radians
double fk5_greenwich_angle(double ds50_ut1);  // radians

bool time_constants_loaded();
// Loads a time-constants (Earth-orientation) file; the error result carries the engine's text.
// A NUL inside the path is an internal error.
Status load_time_constants(const std::string& path);

}  // namespace vastorin::saal
