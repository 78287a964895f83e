// An instant: a day count since 1950 (the engine's ds50) tagged with its time system.
// Immutable; every conversion or arithmetic result is a new Epoch.
#pragma once

#include <string>

#include "enums/time_system.h"
#include "exceptions/error.h"
#include "time/time_components.h"
#include "time/time_span.h"

namespace vastorin {

class Epoch {
 public:
  Epoch(double days_since_1950, TimeSystem time_system)
      : days_(days_since_1950), system_(time_system) {}

  // The calendar readers treat the count as a UTC count whatever the system says; the result
  // belongs to the given system.
  static Epoch from_iso(const std::string& iso, TimeSystem time_system);  // internal error on bad text
  static Epoch from_dtg(const std::string& dtg, TimeSystem time_system);
  static Epoch from_time_components(const TimeComponents& components, TimeSystem time_system);

  double days_since_1950() const { return days_; }
  TimeSystem time_system() const { return system_; }
  double day_of_year() const;

  // The same instant in another system; the error says "<from> to <to> conversion not
  // supported" for the pairs the engine cannot convert and for a count of exactly -1.0.
  Result<Epoch> to_system(TimeSystem target) const;

  std::string to_dtg_20() const;
  std::string to_dtg_19() const;
  std::string to_dtg_17() const;
  std::string to_dtg_15() const;
  TimeComponents to_time_components() const;
  std::string to_iso() const;

  // Greenwich angles (radians) of the instant converted to UT1; a failed conversion is an
  // internal error.
  double fk4_greenwich_angle_or_internal() const;
  double fk5_greenwich_angle_or_internal() const;

  // self minus other converted to self's system, in days; a failed conversion is internal.
  double days_after(const Epoch& other) const;

  Epoch operator+(const TimeSpan& span) const { return Epoch(days_ + span.in_days(), system_); }
  Epoch operator-(const TimeSpan& span) const { return Epoch(days_ - span.in_days(), system_); }

 private:
  double days_;
  TimeSystem system_;
};

}  // namespace vastorin
