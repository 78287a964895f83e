#include "elements/tle.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

#include "binding/bind.h"

namespace vastorin {

namespace {

// Ephemeris types of the value array, by element theory.
double ephemeris_type_of(KeplerianType type) { return static_cast<double>(static_cast<int>(type)); }

// A float entry read as a 32-bit integer: truncated toward zero, saturated at the ends of the
// range, NaN as 0.
int32_t to_int32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

Classification classification_of(const std::string& text_fields) {
  const std::string letter = text_fields.substr(0, 1);
  const std::string trimmed = saal::trimmed(letter);
  if (trimmed == "U") return Classification::Unclassified;
  if (trimmed == "C") return Classification::Confidential;
  if (trimmed == "S") return Classification::Secret;
  throw InternalError("Invalid TLE classification: " + letter);
}

KeplerianType keplerian_type_of(double ephemeris_type) {
  switch (to_int32(ephemeris_type)) {
    case 0: return KeplerianType::MeanKozaiGP;
    case 2: return KeplerianType::MeanBrouwerGP;
    case 4: return KeplerianType::MeanBrouwerXP;
    default: throw InternalError("Invalid KeplerianType value");
  }
}

}  // namespace

std::string new_uuid4() {
  thread_local std::mt19937_64 generator{std::random_device{}()};
  uint64_t high = generator();
  uint64_t low = generator();
  high = (high & 0xFFFFFFFFFFFF0FFFULL) | 0x0000000000004000ULL;  // version 4
  low = (low & 0x3FFFFFFFFFFFFFFFULL) | 0x8000000000000000ULL;    // RFC 4122 variant
  char text[37];
  std::snprintf(text, sizeof text, "%08llx-%04llx-%04llx-%04llx-%012llx",
                static_cast<unsigned long long>(high >> 32), static_cast<unsigned long long>((high >> 16) & 0xFFFF),
                static_cast<unsigned long long>(high & 0xFFFF), static_cast<unsigned long long>(low >> 48),
                static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFULL));
  return text;
}

Result<TLE> TLE::from_two_lines(const std::string& line_1, const std::string& line_2) {
  auto arrays = saal::lines_to_arrays(line_1, line_2);
  if (!arrays) throw InternalError(arrays.error());
  const saal::TleValues& v = arrays.value().values;
  const std::string& text_fields = arrays.value().text_fields;
  if (text_fields.size() < 13) throw InternalError("out-of-range text slice of the TLE text fields");

  const KeplerianType type = keplerian_type_of(v[saal::kTleEphemerisType]);
  const double e = v[saal::kTleEccentricity];
  const double i = v[saal::kTleInclination];
  const double n = v[saal::kTleMeanMotion];

  TLE tle;
  tle.id_ = new_uuid4();
  tle.classification_ = classification_of(text_fields);
  tle.designator_ = saal::trimmed(text_fields.substr(1, 12));
  tle.norad_id_ = to_int32(v[saal::kTleSatelliteNumber]);
  const double brouwer_n = type == KeplerianType::MeanKozaiGP ? saal::kozai_to_brouwer(e, i, n) : n;
  tle.state_ = KeplerianState(Epoch(v[saal::kTleEpoch], TimeSystem::UTC),
                              KeplerianElements{saal::semi_major_axis_of(brouwer_n), e, i, v[saal::kTleRaan],
                                                v[saal::kTleArgumentOfPerigee], v[saal::kTleMeanAnomaly]},
                              ReferenceFrame::TEME, type);
  tle.force_.mean_motion_dot = v[saal::kTleMeanMotionDot];
  tle.force_.mean_motion_dot_dot = v[saal::kTleMeanMotionDotDot];
  if (type == KeplerianType::MeanBrouwerXP) {
    tle.force_.drag_coefficient = v[saal::kTleBallisticTerm];
    tle.force_.srp_coefficient = v[saal::kTleRadiationPressure];
  } else {
    tle.force_.drag_coefficient = v[saal::kTleBStar] * kBStarToBallistic;
  }

  if (Status loaded = tle.load_to_memory(); !loaded) return ErrorText{loaded.error()};
  return tle;
}

TLE TLE::from_lines(const std::string& line_1, const std::string& line_2, const std::optional<std::string>& line_3) {
  if (!line_3) return from_two_lines(line_1, line_2).value_or_raise(ErrorKind::Value);
  TLE tle = from_two_lines(line_2, *line_3).value_or_raise(ErrorKind::Value);
  // Three-line sets mark the name line with "0 ".
  const std::string_view name = line_1.rfind("0 ", 0) == 0 ? std::string_view(line_1).substr(2) : line_1;
  tle.name_ = saal::trimmed(name);
  return tle;
}

Result<TLE> TLE::create(std::string id, int32_t norad_id, std::optional<std::string> name,
                        Classification classification, std::string designator,
                        const KeplerianState& keplerian_state, const ForceProperties& force_properties) {
  TLE tle;
  tle.id_ = std::move(id);
  tle.norad_id_ = norad_id;
  tle.name_ = std::move(name);
  tle.classification_ = classification;
  tle.designator_ = std::move(designator);
  tle.state_ = keplerian_state;
  tle.force_ = force_properties;
  if (Status loaded = tle.load_to_memory(); !loaded) return ErrorText{loaded.error()};
  return tle;
}

TLE::TLE(const TLE& other)
    : id_(other.id_),
      designator_(other.designator_),
      name_(other.name_),
      state_(other.state_),
      force_(other.force_),
      norad_id_(other.norad_id_),
      classification_(other.classification_) {
  load_to_memory().internal_if_failed();
}

TLE::TLE(TLE&& other) noexcept
    : id_(std::move(other.id_)),
      designator_(std::move(other.designator_)),
      name_(std::move(other.name_)),
      state_(std::move(other.state_)),
      force_(other.force_),
      norad_id_(other.norad_id_),
      classification_(other.classification_),
      key_(std::exchange(other.key_, 0)) {}

TLE::~TLE() { release(); }

void TLE::release() noexcept {
  if (key_ != 0) saal::remove_from_store(key_);
  key_ = 0;
}

saal::TleValues TLE::values() const {
  saal::TleValues v{};
  const KeplerianElements& k = state_.elements;
  const double area_over_mass_drag = force_.drag_area / force_.mass;
  const double area_over_mass_srp = force_.srp_area / force_.mass;
  v[saal::kTleSatelliteNumber] = norad_id_;
  v[saal::kTleEpoch] = state_.epoch.days_since_1950();
  v[saal::kTleEphemerisType] = ephemeris_type_of(state_.type);
  v[saal::kTleInclination] = k.inclination;
  v[saal::kTleRaan] = k.raan;
  v[saal::kTleEccentricity] = k.eccentricity;
  v[saal::kTleArgumentOfPerigee] = k.argument_of_perigee;
  v[saal::kTleMeanAnomaly] = k.mean_anomaly;
  v[saal::kTleMeanMotion] = state_.mean_motion();
  switch (state_.type) {
    case KeplerianType::MeanKozaiGP:
    case KeplerianType::MeanBrouwerGP:
      v[saal::kTleMeanMotionDot] = force_.mean_motion_dot;
      v[saal::kTleMeanMotionDotDot] = force_.mean_motion_dot_dot;
      v[saal::kTleBStar] = force_.b_star();
      break;
    case KeplerianType::MeanBrouwerXP:
      v[saal::kTleBallisticTerm] = force_.drag_coefficient * area_over_mass_drag;
      v[saal::kTleRadiationPressure] = force_.srp_coefficient * area_over_mass_srp;
      break;
    case KeplerianType::Osculating:
      // The osculating theory keeps its ballistic and radiation-pressure terms where the
      // general-perturbation theories keep the first derivative and B*.
      v[saal::kTleMeanMotionDot] = force_.drag_term();
      v[saal::kTleBStar] = force_.srp_term();
      break;
  }
  return v;
}

std::string TLE::text_fields() const {
  return std::string(value_of(classification_)) + designator_;
}

Status TLE::load_to_memory() {
  auto key = saal::add_to_store(values(), text_fields());
  if (!key) return ErrorText{key.error()};
  key_ = key.value();
  return {};
}

CartesianState TLE::cartesian_state() const {
  return CartesianState(state_.epoch, saal::keplerian_to_pos_vel(state_.elements.to_engine()), state_.frame);
}

std::pair<std::string, std::string> TLE::lines() const {
  return saal::arrays_to_lines(values(), text_fields()).value_or_internal();
}

namespace {

std::tuple<std::string, std::string> lines_of(const TLE& tle) {
  auto [first, second] = tle.lines();
  return {first, second};
}

double inclination(const TLE& tle) { return tle.keplerian_state().elements.inclination; }
double raan(const TLE& tle) { return tle.keplerian_state().elements.raan; }
double eccentricity(const TLE& tle) { return tle.keplerian_state().elements.eccentricity; }
double argument_of_perigee(const TLE& tle) { return tle.keplerian_state().elements.argument_of_perigee; }
double mean_anomaly(const TLE& tle) { return tle.keplerian_state().elements.mean_anomaly; }
double mean_motion_dot(const TLE& tle) { return tle.force_properties().mean_motion_dot; }
double mean_motion_dot_dot(const TLE& tle) { return tle.force_properties().mean_motion_dot_dot; }

}  // namespace

}  // namespace vastorin

using vastorin::TLE;

VASTORIN_CLASS(TLE, "TLE", "vastorin.elements") {
  using namespace vastorin;
  cls.static_method<"from_lines(line_1, line_2, line_3=None)", &TLE::from_lines>();
  cls.readonly<"id", &TLE::id>();
  cls.readonly<"name", &TLE::name>();
  cls.readonly<"norad_id", &TLE::norad_id>();
  cls.readonly<"designator", &TLE::designator>();
  cls.readonly<"classification", &TLE::classification>();
  cls.readonly<"type", &TLE::type>();
  cls.readonly<"epoch", &TLE::epoch>();
  cls.readonly<"inclination", &inclination>();
  cls.readonly<"raan", &raan>();
  cls.readonly<"eccentricity", &eccentricity>();
  cls.readonly<"argument_of_perigee", &argument_of_perigee>();
  cls.readonly<"mean_anomaly", &mean_anomaly>();
  cls.readonly<"mean_motion", &TLE::mean_motion>();
  cls.readonly<"mean_motion_dot", &mean_motion_dot>();
  cls.readonly<"mean_motion_dot_dot", &mean_motion_dot_dot>();
  cls.readonly<"b_star", &TLE::b_star>();
  cls.readonly<"b_term", &TLE::b_term>();
  cls.readonly<"agom", &TLE::agom>();
  cls.readonly<"cartesian_state", &TLE::cartesian_state>();
  cls.readonly<"lines", &lines_of>();
}
