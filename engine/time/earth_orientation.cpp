// The loaded Earth-orientation table and the values interpolated from it: UT1-UTC, polar
// motion and TAI-UTC.
//
// Interpolation is linear between the daily rows; its error, a few hundredths of a
// millisecond of UT1 from the fortnightly and monthly tidal terms, is a few centimetres at
// the Earth's surface. UT1-UTC is interpolated as UT1-TAI (continuous) and TAI-UTC is added back
// at the instant asked for, so that a leap second between two rows appears as a clean 1 s
// step at 0h UTC instead of being smeared over the day before it; at the rows themselves the
// result is the file's UT1-UTC. Before the first row and after the last, the end values are
// held (UT1-UTC itself is held, so a leap second known to ERFA but not to the file does not
// push it out of its +-0.9 s band).
//
// TAI-UTC: from the file's DAT column (CelesTrak layouts) for 1972 onward within the file's
// days; otherwise from ERFA's eraDat, which carries the IERS Bulletin C table including the
// 1960-1971 "rubber second" formulas. Before 1960, when UTC was not defined, the 1960-01-01
// value is held.
//
// Concurrency: a table is built completely, then published by one atomic pointer store.
// Readers take the pointer with one atomic load and no lock. A replaced table is kept alive
// until the process ends, so a reader that picked up the previous pointer never sees it
// freed (files are loaded a handful of times per process, so this costs little).

#include "time/earth_orientation.h"

#include <erfa.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "main/last_error.h"
#include "time/calendar.h"
#include "time/eop_readers.h"
#include "time/time_constants.h"
#include "time/timefunc.h"

namespace engine::eop {
namespace {

using namespace engine::timeconst;

// 1972-01-01T00:00:00 UTC, from which TAI-UTC is a whole number of seconds.
constexpr double kDs50Of1972 = 8036.0;
// The first day for which ERFA defines UTC.
constexpr int kFirstUtcYear = 1960;

struct Table {
  std::vector<double> mjd_utc;
  std::vector<double> xp_rad;
  std::vector<double> yp_rad;
  std::vector<double> ut1_minus_utc_s;
  std::vector<double> ut1_minus_tai_s;
  std::vector<double> tai_minus_utc_s;  // empty when the file has no DAT column
};

std::atomic<const Table*> g_current{nullptr};
std::mutex g_publish_mutex;
std::vector<std::unique_ptr<const Table>> g_published;  // guarded by g_publish_mutex

// Day counts are clipped to +-1e9 days (about 2.7 million years) before the calendar
// conversion so that any finite count has a date.
constexpr double kLargestCalendarDay = 1e9;

double erfa_tai_minus_utc(double ds50_utc) {
  const double day =
      std::clamp(std::floor(ds50_utc), -kLargestCalendarDay, kLargestCalendarDay);
  const calendar::CivilDate date = calendar::civil_date(static_cast<int64_t>(day));
  double dat = 0.0;
  if (date.year < kFirstUtcYear) {
    eraDat(kFirstUtcYear, 1, 1, 0.0, &dat);
  } else {
    // Beyond ERFA's table the last value is held (status +1, "dubious year").
    const int year = static_cast<int>(std::min<int64_t>(date.year, INT_MAX));
    eraDat(year, date.month, date.day, std::clamp(ds50_utc - day, 0.0, 1.0), &dat);
  }
  return dat;
}

// Index of the last row at or before mjd; the caller ensures mjd_utc.front() <= mjd.
std::size_t row_at_or_before(const Table& t, double mjd) {
  const auto it = std::upper_bound(t.mjd_utc.begin(), t.mjd_utc.end(), mjd);
  return static_cast<std::size_t>(it - t.mjd_utc.begin()) - 1;
}

double table_tai_minus_utc(const Table* t, double ds50_utc) {
  if (t != nullptr && !t->tai_minus_utc_s.empty() && ds50_utc >= kDs50Of1972) {
    const double mjd = ds50_utc + kMjdMinusDs50;
    if (mjd >= t->mjd_utc.front()) {
      const std::size_t i = row_at_or_before(*t, mjd);
      // A row's DAT holds for its whole day; past the file's last day ERFA may know of a
      // later leap second.
      if (i + 1 < t->mjd_utc.size() || mjd < t->mjd_utc.back() + 1.0) {
        return t->tai_minus_utc_s[i];
      }
      return std::max(t->tai_minus_utc_s.back(), erfa_tai_minus_utc(ds50_utc));
    }
  }
  return erfa_tai_minus_utc(ds50_utc);
}

// Linear interpolation weight of mjd between rows i and i + 1.
double weight(const Table& t, std::size_t i, double mjd) {
  return (mjd - t.mjd_utc[i]) / (t.mjd_utc[i + 1] - t.mjd_utc[i]);
}

std::unique_ptr<Table> build_table(const std::vector<EopRow>& rows) {
  auto t = std::make_unique<Table>();
  const bool has_dat = std::all_of(rows.begin(), rows.end(), [](const EopRow& r) {
    return std::isfinite(r.tai_minus_utc_s);
  });
  for (const EopRow& r : rows) {
    t->mjd_utc.push_back(r.mjd_utc);
    t->xp_rad.push_back(r.xp_arcsec * kArcsec2Rad);
    t->yp_rad.push_back(r.yp_arcsec * kArcsec2Rad);
    t->ut1_minus_utc_s.push_back(r.ut1_minus_utc_s);
    if (has_dat) t->tai_minus_utc_s.push_back(r.tai_minus_utc_s);
  }
  for (const EopRow& r : rows) {
    const double dat = table_tai_minus_utc(t.get(), r.mjd_utc - kMjdMinusDs50);
    t->ut1_minus_tai_s.push_back(r.ut1_minus_utc_s - dat);
  }
  return t;
}

void publish(std::unique_ptr<Table> table) {
  std::lock_guard<std::mutex> lock(g_publish_mutex);
  g_current.store(table.get(), std::memory_order_release);
  g_published.push_back(std::move(table));
}

bool read_file(const char* path, std::string& text, std::string& error) {
  std::FILE* f = std::fopen(path, "rb");
  if (f == nullptr) {
    error = std::strerror(errno);
    return false;
  }
  char buffer[1 << 16];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  const bool failed = std::ferror(f) != 0;
  const int read_errno = errno;
  std::fclose(f);
  if (failed) {
    error = std::strerror(read_errno);
    return false;
  }
  return true;
}

}  // namespace

double ut1_minus_utc_seconds(double ds50_utc) {
  const Table* t = g_current.load(std::memory_order_acquire);
  if (t == nullptr || !std::isfinite(ds50_utc)) return 0.0;
  const double mjd = ds50_utc + kMjdMinusDs50;
  if (mjd <= t->mjd_utc.front()) return t->ut1_minus_utc_s.front();
  if (mjd >= t->mjd_utc.back()) return t->ut1_minus_utc_s.back();
  const std::size_t i = row_at_or_before(*t, mjd);
  const double w = weight(*t, i, mjd);
  const double ut1_minus_tai = t->ut1_minus_tai_s[i] +
                               w * (t->ut1_minus_tai_s[i + 1] - t->ut1_minus_tai_s[i]);
  return ut1_minus_tai + table_tai_minus_utc(t, ds50_utc);
}

void polar_motion_rad(double ds50_utc, double* xp_rad, double* yp_rad) {
  const Table* t = g_current.load(std::memory_order_acquire);
  *xp_rad = 0.0;
  *yp_rad = 0.0;
  if (t == nullptr || !std::isfinite(ds50_utc)) return;
  const double mjd = ds50_utc + kMjdMinusDs50;
  if (mjd <= t->mjd_utc.front()) {
    *xp_rad = t->xp_rad.front();
    *yp_rad = t->yp_rad.front();
  } else if (mjd >= t->mjd_utc.back()) {
    *xp_rad = t->xp_rad.back();
    *yp_rad = t->yp_rad.back();
  } else {
    const std::size_t i = row_at_or_before(*t, mjd);
    const double w = weight(*t, i, mjd);
    *xp_rad = t->xp_rad[i] + w * (t->xp_rad[i + 1] - t->xp_rad[i]);
    *yp_rad = t->yp_rad[i] + w * (t->yp_rad[i + 1] - t->yp_rad[i]);
  }
}

double tai_minus_utc_seconds(double ds50_utc) {
  if (!std::isfinite(ds50_utc)) return 0.0;
  return table_tai_minus_utc(g_current.load(std::memory_order_acquire), ds50_utc);
}

}  // namespace engine::eop

extern "C" int TConLoadFile(const char* tconFile) {
  std::string name;
  try {
    if (tconFile != nullptr) name = tconFile;
    if (tconFile == nullptr || name.empty()) {
      engine::set_last_error("TConLoadFile: no file name given");
      return 1;
    }
    std::string text;
    std::string error;
    if (!engine::eop::read_file(tconFile, text, error)) {
      engine::set_last_error("TConLoadFile: cannot read file '" + name + "': " + error);
      return 1;
    }
    std::vector<engine::eop::EopRow> rows;
    if (!engine::eop::read_eop_rows(text, rows, error)) {
      engine::set_last_error("TConLoadFile: file '" + name + "': " + error);
      return 1;
    }
    engine::eop::publish(engine::eop::build_table(rows));
    return 0;
  } catch (const std::exception& e) {
    engine::set_last_error("TConLoadFile: file '" + name + "': " + e.what());
    return 1;
  } catch (...) {
    engine::set_last_error("TConLoadFile: file '" + name + "': unexpected failure");
    return 1;
  }
}

extern "C" int IsTConFileLoaded(void) {
  return engine::eop::g_current.load(std::memory_order_acquire) != nullptr ? 1 : 0;
}
