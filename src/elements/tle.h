// A two-line element set as the system keeps it: identity fields, mean elements, force terms,
// and one copy of the set loaded in the engine's TLE store under a key of its own.
//
// Every record, every copy included, owns exactly one key for its whole life: copying loads
// the set again under a new key, and the end of a record removes its key.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "elements/cartesian_state.h"
#include "elements/keplerian_state.h"
#include "enums/classification.h"
#include "exceptions/error.h"
#include "propagation/force_properties.h"
#include "saal/tle_interface.h"

namespace vastorin {

class TLE {
 public:
  // Reads two lines. Lines the engine cannot read, an unknown classification letter or an
  // element theory other than 0, 2 or 4 are internal errors; a set the store refuses is an
  // error result carrying the engine's text.
  static Result<TLE> from_two_lines(const std::string& line_1, const std::string& line_2);

  // Reads two lines, or a name line and two lines; a refused set is a ValueError.
  static TLE from_lines(const std::string& line_1, const std::string& line_2,
                        const std::optional<std::string>& line_3);

  // A loaded record from its fields; the error result carries the store's text.
  static Result<TLE> create(std::string id, int32_t norad_id, std::optional<std::string> name,
                            Classification classification, std::string designator,
                            const KeplerianState& keplerian_state, const ForceProperties& force_properties);

  TLE(const TLE& other);
  TLE(TLE&& other) noexcept;
  TLE& operator=(const TLE&) = delete;
  TLE& operator=(TLE&&) = delete;
  ~TLE();

  const std::string& id() const { return id_; }
  const std::optional<std::string>& name() const { return name_; }
  int32_t norad_id() const { return norad_id_; }
  const std::string& designator() const { return designator_; }
  Classification classification() const { return classification_; }
  KeplerianType type() const { return state_.type; }
  const Epoch& epoch() const { return state_.epoch; }
  const KeplerianState& keplerian_state() const { return state_; }
  const ForceProperties& force_properties() const { return force_; }
  int64_t key() const { return key_; }

  double mean_motion() const { return state_.mean_motion(); }
  double b_term() const { return force_.drag_term(); }
  double b_star() const { return force_.b_star(); }
  double agom() const { return force_.srp_term(); }
  // Two-body state of the mean elements (not the SGP4 state at the epoch).
  CartesianState cartesian_state() const;
  // The lines regenerated from the record's own values; an empty line is an internal error.
  std::pair<std::string, std::string> lines() const;

  // The value array and text fields the record is loaded with.
  saal::TleValues values() const;
  std::string text_fields() const;

 private:
  TLE() = default;
  // Loads the record under a new key; the record keeps key 0 on failure.
  Status load_to_memory();
  void release() noexcept;

  std::string id_;
  std::string designator_;
  std::optional<std::string> name_;
  KeplerianState state_{Epoch(0.0, TimeSystem::UTC), KeplerianElements{}, ReferenceFrame::TEME,
                        KeplerianType::MeanKozaiGP};
  ForceProperties force_;
  int32_t norad_id_ = 0;
  Classification classification_ = Classification::Unclassified;
  int64_t key_ = 0;
};

// A new random version-4 UUID, hyphenated, lower case.
std::string new_uuid4();

}  // namespace vastorin
