#include "propagation/inertial_propagator.h"

#include "binding/bind.h"
#include "propagation/sgp4_output.h"
#include "saal/sgp4_prop_interface.h"

namespace vastorin {

InertialPropagator::InertialPropagator(TLE tle) : tle_(std::move(tle)) {
  saal::sgp4_init(tle_->key()).internal_if_failed();
}

InertialPropagator::InertialPropagator(const InertialPropagator& other) : tle_(*other.tle_) {
  saal::sgp4_init(tle_->key()).internal_if_failed();
}

InertialPropagator::~InertialPropagator() { remove_sgp4_state(); }

void InertialPropagator::remove_sgp4_state() noexcept {
  if (!tle_ || tle_->key() == 0) return;
  if (Status removed = saal::sgp4_remove(tle_->key()); !removed)
    bind::report_unraisable_internal_error("SGP4 state of a propagator could not be removed: " + removed.error());
}

std::optional<CartesianState> InertialPropagator::get_cartesian_state_at_epoch(const Epoch& epoch) const {
  auto state = saal::sgp4_pos_vel_at_ds50(tle_->key(), epoch.days_since_1950());
  if (!state) return std::nullopt;
  return CartesianState(epoch, state.value(), ReferenceFrame::TEME);
}

std::optional<KeplerianState> InertialPropagator::get_keplerian_state_at_epoch(const Epoch& epoch) const {
  auto output = saal::get_all_at_ds50(tle_->key(), epoch.days_since_1950());
  if (!output) return std::nullopt;
  return KeplerianState(epoch, KeplerianElements::from_engine(saal::mean_elements_of(output.value())),
                        ReferenceFrame::TEME, tle_->type());
}

Status InertialPropagator::step_to_epoch(double ds50_utc) {
  auto lines = saal::reepoch_tle(tle_->key(), ds50_utc);
  if (!lines) return ErrorText{lines.error()};
  auto stepped = TLE::from_two_lines(lines.value().first, lines.value().second);
  if (!stepped) return ErrorText{stepped.error()};
  // The stepped record is initialised before the old one lets go, so the propagator keeps
  // working whatever happens, and the old key's SGP4 state does not outlive its record.
  if (Status initialised = saal::sgp4_init(stepped.value().key()); !initialised) return initialised;
  remove_sgp4_state();
  tle_.emplace(std::move(stepped).value());
  return {};
}

Result<InertialPropagator> InertialPropagator::clone_at_epoch(const Epoch& epoch) const {
  auto output = saal::get_all_at_ds50(tle_->key(), epoch.days_since_1950());
  if (!output) return ErrorText{output.error()};
  const KeplerianState mean(epoch, KeplerianElements::from_engine(saal::mean_elements_of(output.value())),
                            ReferenceFrame::TEME, tle_->type());
  auto record = TLE::create(tle_->id(), tle_->norad_id(), tle_->name(), tle_->classification(), tle_->designator(),
                            mean, tle_->force_properties());
  if (!record) return ErrorText{record.error()};
  return InertialPropagator(std::move(record).value());
}

namespace {

InertialPropagator from_tle(const TLE& tle) { return InertialPropagator(TLE(tle)); }

KeplerianState keplerian_state(const InertialPropagator& propagator) { return propagator.tle().keplerian_state(); }

ForceProperties force_properties(const InertialPropagator& propagator) {
  return propagator.tle().force_properties();
}

}  // namespace

}  // namespace vastorin

using vastorin::InertialPropagator;

VASTORIN_CLASS(InertialPropagator, "InertialPropagator", "vastorin.propagation") {
  using namespace vastorin;
  cls.static_method<"from_tle(tle)", &from_tle>();
  cls.method<"get_cartesian_state_at_epoch(epoch)", &InertialPropagator::get_cartesian_state_at_epoch>();
  cls.method<"get_keplerian_state_at_epoch(epoch)", &InertialPropagator::get_keplerian_state_at_epoch>();
  cls.readonly<"keplerian_state", &keplerian_state>();
  cls.readonly<"force_properties", &force_properties>();
}
