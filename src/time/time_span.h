// A duration, stored in days; immutable.
#pragma once

namespace vastorin {

// The doubles nearest to 1/86400, 1/1440 and 1/24: conversions multiply by these rather than
// divide, so that from_seconds(s) is exactly s * kDaysPerSecond.
inline constexpr double kDaysPerSecond = 1.1574074074074073e-05;
inline constexpr double kDaysPerMinute = 0.0006944444444444445;
inline constexpr double kDaysPerHour = 0.041666666666666664;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kMinutesPerDay = 1440.0;
inline constexpr double kHoursPerDay = 24.0;

class TimeSpan {
 public:
  static TimeSpan from_days(double days) { return TimeSpan(days); }
  static TimeSpan from_seconds(double seconds) { return TimeSpan(seconds * kDaysPerSecond); }
  static TimeSpan from_minutes(double minutes) { return TimeSpan(minutes * kDaysPerMinute); }
  static TimeSpan from_hours(double hours) { return TimeSpan(hours * kDaysPerHour); }

  double in_days() const { return days_; }
  double in_seconds() const { return days_ * kSecondsPerDay; }
  double in_minutes() const { return days_ * kMinutesPerDay; }
  double in_hours() const { return days_ * kHoursPerDay; }

 private:
  explicit TimeSpan(double days) : days_(days) {}
  double days_;
};

}  // namespace vastorin
