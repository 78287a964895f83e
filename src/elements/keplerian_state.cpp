#include "elements/keplerian_state.h"

#include "binding/bind.h"
#include "elements/cartesian_state.h"

namespace vastorin {

CartesianState KeplerianState::to_cartesian() const {
  return CartesianState(epoch, saal::keplerian_to_pos_vel(elements.to_engine()), frame);
}

KeplerianState KeplerianState::to_frame(ReferenceFrame target) const {
  return to_cartesian().to_frame(target).to_keplerian();
}

namespace {

KeplerianState make(const Epoch& epoch, const KeplerianElements& elements, ReferenceFrame frame,
                    KeplerianType keplerian_type) {
  return KeplerianState(epoch, elements, frame, keplerian_type);
}

template <double KeplerianElements::*Field>
double element(const KeplerianState& state) {
  return state.elements.*Field;
}

double apoapsis(const KeplerianState& state) { return state.elements.apoapsis(); }
double periapsis(const KeplerianState& state) { return state.elements.periapsis(); }
void set_epoch(KeplerianState& state, const Epoch& epoch) { state.epoch = epoch; }
void set_type(KeplerianState& state, KeplerianType type) { state.type = type; }

}  // namespace

}  // namespace vastorin

using vastorin::KeplerianState;

VASTORIN_CLASS(KeplerianState, "KeplerianState", "vastorin.elements") {
  using namespace vastorin;
  cls.constructor<"KeplerianState(epoch, elements, frame, keplerian_type)", &make>();
  cls.readonly<"semi_major_axis", &element<&KeplerianElements::semi_major_axis>>();
  cls.readonly<"eccentricity", &element<&KeplerianElements::eccentricity>>();
  cls.readonly<"inclination", &element<&KeplerianElements::inclination>>();
  cls.readonly<"raan", &element<&KeplerianElements::raan>>();
  cls.readonly<"argument_of_perigee", &element<&KeplerianElements::argument_of_perigee>>();
  cls.readonly<"mean_anomaly", &element<&KeplerianElements::mean_anomaly>>();
  cls.readonly<"apoapsis", &apoapsis>();
  cls.readonly<"periapsis", &periapsis>();
  cls.readonly<"mean_motion", &KeplerianState::mean_motion>();
  cls.readwrite<"epoch", &KeplerianState::epoch, &set_epoch>();
  cls.readonly<"frame", &KeplerianState::frame>();
  cls.readwrite<"type", &KeplerianState::type, &set_type>();
  cls.method<"to_cartesian()", &KeplerianState::to_cartesian>();
  cls.method<"to_frame(frame)", &KeplerianState::to_frame>();
}
