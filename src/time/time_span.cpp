#include "time/time_span.h"

#include "binding/bind.h"

using vastorin::TimeSpan;

VASTORIN_CLASS(TimeSpan, "TimeSpan", "vastorin.time") {
  cls.static_method<"from_days(days)", &TimeSpan::from_days>();
  cls.static_method<"from_seconds(seconds)", &TimeSpan::from_seconds>();
  cls.static_method<"from_minutes(minutes)", &TimeSpan::from_minutes>();
  cls.static_method<"from_hours(hours)", &TimeSpan::from_hours>();
  cls.method<"in_days()", &TimeSpan::in_days>();
  cls.method<"in_seconds()", &TimeSpan::in_seconds>();
  cls.method<"in_minutes()", &TimeSpan::in_minutes>();
  cls.method<"in_hours()", &TimeSpan::in_hours>();
}
