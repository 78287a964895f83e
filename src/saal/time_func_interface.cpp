#include "saal/time_func_interface.h"

#include "binding/bind.h"
#include "lib/registration.h"
#include "saal/engine.h"
#include "saal/get_set_string.h"

namespace vastorin::saal {

double utc_to_tai(double ds50_utc) { return UTCToTAI(ds50_utc); }
double tai_to_utc(double ds50_tai) { return TAIToUTC(ds50_tai); }
double utc_to_ut1(double ds50_utc) { return UTCToUT1(ds50_utc); }
double tai_to_ut1(double ds50_tai) { return TAIToUT1(ds50_tai); }
double utc_to_tt(double ds50_utc) { return UTCToET(ds50_utc); }

double dtg_to_utc(std::string_view dtg) {
  GetSetString buffer(dtg);
  return DTGToUTC(buffer.c_str());
}

namespace {

template <void (*Writer)(double, char*)>
std::string write_dtg(double ds50_utc) {
  GetSetString buffer;
  Writer(ds50_utc, buffer.data());
  return buffer.value();
}

}  // namespace

std::string utc_to_dtg20(double ds50_utc) { return write_dtg<&UTCToDTG20>(ds50_utc); }
std::string utc_to_dtg19(double ds50_utc) { return write_dtg<&UTCToDTG19>(ds50_utc); }
std::string utc_to_dtg17(double ds50_utc) { return write_dtg<&UTCToDTG17>(ds50_utc); }
std::string utc_to_dtg15(double ds50_utc) { return write_dtg<&UTCToDTG15>(ds50_utc); }

TimeComponents utc_to_time_components(double ds50_utc) {
  TimeComponents c;
  UTCToTimeComps2(ds50_utc, &c.year, &c.month, &c.day, &c.hour, &c.minute, &c.second);
  return c;
}

double time_components_to_utc(int year, int month, int day, int hour, int minute, double second) {
  return TimeComps2ToUTC(year, month, day, hour, minute, second);
}

double utc_to_day_of_year(double ds50_utc) {
  int year = 0;
  double day_of_year = 0.0;
  UTCToYrDays(ds50_utc, &year, &day_of_year);
  return day_of_year;
}

double fk4_greenwich_angle(double ds50_ut1) { return ThetaGrnwchFK4(ds50_ut1); }
double fk5_greenwich_angle(double ds50_ut1) { return ThetaGrnwchFK5(ds50_ut1); }

bool time_constants_loaded() { return IsTConFileLoaded() != 0; }

Status load_time_constants(const std::string& path) {
  if (path.find('\0') != std::string::npos)
    throw InternalError("the path of a time-constants file contains a NUL character");
  if (TConLoadFile(path.c_str()) != 0) return last_error();
  return {};
}

namespace {

void load_time_constants_or_raise(const std::string& path) {
  load_time_constants(path).raise_if_failed(ErrorKind::SAAL);
}

}  // namespace

}  // namespace vastorin::saal

namespace vastorin {

void register_time_func_interface(PyObject* parent) {
  using namespace saal;
  bind::Object module = bind::new_submodule("time_func_interface");
  PyObject* m = module.get();
  bind::add_function<"time_constants_loaded()", &time_constants_loaded>(m);
  bind::add_function<"load_time_constants(path)", &load_time_constants_or_raise>(m);
  bind::add_function<"ds50_utc_to_ut1(ds50_utc)", &utc_to_ut1>(m);
  bind::add_function<"get_fk4_greenwich_angle(ds50_ut1)", &fk4_greenwich_angle>(m);
  bind::add_function<"get_fk5_greenwich_angle(ds50_ut1)", &fk5_greenwich_angle>(m);
  bind::add_function<"ymd_components_to_ds50(year, month, day, hour, minute, second)",
                     &time_components_to_utc>(m);
  bind::insert_submodule(parent, std::move(module), "time_func_interface",
                         "vastorin._vastorin.saal.time_func_interface");
}

}  // namespace vastorin
