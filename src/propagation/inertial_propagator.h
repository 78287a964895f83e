// SGP4 propagation of one element set. The propagator owns its TLE record (and with it one
// key of the TLE store) and keeps that key initialised for SGP4 while it lives.
#pragma once

#include <optional>

#include "elements/cartesian_state.h"
#include "elements/keplerian_state.h"
#include "elements/tle.h"
#include "exceptions/error.h"

namespace vastorin {

class InertialPropagator {
 public:
  // Takes the record over and initialises its key; a refusal is an internal error.
  explicit InertialPropagator(TLE tle);
  InertialPropagator(const InertialPropagator& other);
  InertialPropagator(InertialPropagator&& other) noexcept = default;
  InertialPropagator& operator=(const InertialPropagator&) = delete;
  InertialPropagator& operator=(InertialPropagator&&) = delete;
  ~InertialPropagator();

  const TLE& tle() const { return *tle_; }

  // TEME state at the epoch's day count taken as UTC; nothing when SGP4 fails there.
  std::optional<CartesianState> get_cartesian_state_at_epoch(const Epoch& epoch) const;
  // Mean elements at the epoch, of the record's theory, in TEME; nothing when SGP4 fails.
  std::optional<KeplerianState> get_keplerian_state_at_epoch(const Epoch& epoch) const;

  // Replaces the record with one re-epoched to the UTC day count; the old record stays on
  // failure.
  Status step_to_epoch(double ds50_utc);
  // A new propagator whose record holds the mean elements at the epoch.
  Result<InertialPropagator> clone_at_epoch(const Epoch& epoch) const;

 private:
  void remove_sgp4_state() noexcept;

  // Empty only after the propagator has been moved from.
  std::optional<TLE> tle_;
};

}  // namespace vastorin
