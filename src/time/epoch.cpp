#include "time/epoch.h"

#include "binding/bind.h"
#include "saal/time_func_interface.h"

namespace vastorin {

namespace {

// The engine's answer for a conversion it cannot make.
constexpr double kFailedConversion = -1.0;

std::string conversion_error(TimeSystem from, TimeSystem to) {
  return value_of(from) + " to " + value_of(to) + " conversion not supported";
}

}  // namespace

Epoch Epoch::from_iso(const std::string& iso, TimeSystem time_system) {
  const auto components = TimeComponents::parse_iso(iso);
  if (!components) throw InternalError("Invalid ISO date-time text: " + iso);
  return from_time_components(*components, time_system);
}

Epoch Epoch::from_dtg(const std::string& dtg, TimeSystem time_system) {
  return Epoch(saal::dtg_to_utc(dtg), time_system);
}

Epoch Epoch::from_time_components(const TimeComponents& c, TimeSystem time_system) {
  return Epoch(saal::time_components_to_utc(c.year, c.month, c.day, c.hour, c.minute, c.second),
               time_system);
}

double Epoch::day_of_year() const { return saal::utc_to_day_of_year(days_); }

Result<Epoch> Epoch::to_system(TimeSystem target) const {
  double days = kFailedConversion;
  using TS = TimeSystem;
  if (system_ == target) {
    days = days_;
  } else if (system_ == TS::UTC) {
    switch (target) {
      case TS::TAI: days = saal::utc_to_tai(days_); break;
      case TS::UT1: days = saal::utc_to_ut1(days_); break;
      case TS::TT: days = saal::utc_to_tt(days_); break;
      case TS::UTC: break;
    }
  } else if (system_ == TS::TAI && target == TS::UTC) {
    days = saal::tai_to_utc(days_);
  } else if (system_ == TS::TAI && target == TS::UT1) {
    days = saal::tai_to_ut1(days_);
  }
  if (days == kFailedConversion) return ErrorText{conversion_error(system_, target)};
  return Epoch(days, target);
}

std::string Epoch::to_dtg_20() const { return saal::utc_to_dtg20(days_); }
std::string Epoch::to_dtg_19() const { return saal::utc_to_dtg19(days_); }
std::string Epoch::to_dtg_17() const { return saal::utc_to_dtg17(days_); }
std::string Epoch::to_dtg_15() const { return saal::utc_to_dtg15(days_); }

TimeComponents Epoch::to_time_components() const { return saal::utc_to_time_components(days_); }

std::string Epoch::to_iso() const { return to_time_components().to_iso(); }

double Epoch::fk4_greenwich_angle_or_internal() const {
  return saal::fk4_greenwich_angle(to_system(TimeSystem::UT1).value_or_internal().days_);
}

double Epoch::fk5_greenwich_angle_or_internal() const {
  return saal::fk5_greenwich_angle(to_system(TimeSystem::UT1).value_or_internal().days_);
}

double Epoch::days_after(const Epoch& other) const {
  return days_ - other.to_system(system_).value_or_internal().days_;
}

namespace {

Epoch from_days_since_1950(double days_since_1950, TimeSystem time_system) {
  return Epoch(days_since_1950, time_system);
}

Epoch to_system_or_raise(const Epoch& epoch, TimeSystem time_system) {
  return epoch.to_system(time_system).value_or_raise(ErrorKind::Runtime);
}

bind::Object add(const Epoch& epoch, PyObject* other) {
  if (auto span = bind::try_load<TimeSpan>(other)) return bind::cast(epoch + *span);
  return bind::not_implemented();
}

bind::Object subtract(const Epoch& epoch, PyObject* other) {
  if (auto span = bind::try_load<TimeSpan>(other)) return bind::cast(epoch - *span);
  if (auto earlier = bind::try_load<Epoch>(other)) return bind::cast(TimeSpan::from_days(epoch.days_after(*earlier)));
  throw Error(ErrorKind::Type, "Unsupported operand type for -");
}

// == needs the same count and system; != looks at the counts only; orderings compare counts
// without converting time systems.
bool equal(const Epoch& a, const Epoch& b) {
  return a.days_since_1950() == b.days_since_1950() && a.time_system() == b.time_system();
}
bool not_equal(const Epoch& a, const Epoch& b) { return a.days_since_1950() != b.days_since_1950(); }
bool less(const Epoch& a, const Epoch& b) { return a.days_since_1950() < b.days_since_1950(); }
bool less_equal(const Epoch& a, const Epoch& b) { return a.days_since_1950() <= b.days_since_1950(); }
bool greater(const Epoch& a, const Epoch& b) { return a.days_since_1950() > b.days_since_1950(); }
bool greater_equal(const Epoch& a, const Epoch& b) { return a.days_since_1950() >= b.days_since_1950(); }

}  // namespace

}  // namespace vastorin

using vastorin::Epoch;

VASTORIN_CLASS(Epoch, "Epoch", "vastorin.time") {
  using namespace vastorin;
  cls.static_method<"from_days_since_1950(days_since_1950, time_system)", &from_days_since_1950>();
  cls.static_method<"from_iso(iso, time_system)", &Epoch::from_iso>();
  cls.static_method<"from_dtg(dtg, time_system)", &Epoch::from_dtg>();
  cls.static_method<"from_time_components(components, time_system)", &Epoch::from_time_components>();
  cls.readonly<"days_since_1950", &Epoch::days_since_1950>();
  cls.readonly<"time_system", &Epoch::time_system>();
  cls.readonly<"day_of_year", &Epoch::day_of_year>();
  cls.method<"to_system(time_system)", &to_system_or_raise>();
  cls.method<"to_dtg_20()", &Epoch::to_dtg_20>();
  cls.method<"to_dtg_19()", &Epoch::to_dtg_19>();
  cls.method<"to_dtg_17()", &Epoch::to_dtg_17>();
  cls.method<"to_dtg_15()", &Epoch::to_dtg_15>();
  cls.method<"to_time_components()", &Epoch::to_time_components>();
  cls.method<"to_iso()", &Epoch::to_iso>();
  cls.method<"to_fk4_greenwich_angle()", &Epoch::fk4_greenwich_angle_or_internal>();
  cls.method<"to_fk5_greenwich_angle()", &Epoch::fk5_greenwich_angle_or_internal>();
  cls.add(&add).subtract(&subtract);
  cls.equality(&equal, &not_equal).ordering(&less, &less_equal, &greater, &greater_equal);
}
