#include "elements/cartesian_state.h"

#include <optional>

#include "binding/bind.h"
#include "elements/keplerian_state.h"
#include "saal/time_func_interface.h"

namespace vastorin {

namespace {

// The frames lie on a line, J2000 - TEME - EFG - ECR: J2000 is reached only through TEME (the
// axes of date of the precession-nutation rotation) and ECR only through EFG. A conversion
// walks the line one rotation at a time.
int position_on_line(ReferenceFrame frame) {
  switch (frame) {
    case ReferenceFrame::J2000: return 0;
    case ReferenceFrame::TEME: return 1;
    case ReferenceFrame::EFG: return 2;
    case ReferenceFrame::ECR: return 3;
  }
  throw InternalError("Invalid ReferenceFrame value");
}

}  // namespace

CartesianState CartesianState::to_frame(ReferenceFrame target) const {
  if (target == frame_) return *this;
  const double t = epoch_.days_since_1950();
  std::optional<double> t_tai;
  auto tai = [&] {
    if (!t_tai) t_tai = saal::utc_to_tai(t);
    return *t_tai;
  };

  saal::PosVel state = pos_vel();
  int at = position_on_line(frame_);
  const int to = position_on_line(target);
  while (at < to) {
    switch (at++) {
      case 0: state = saal::j2000_to_teme(tai(), state); break;
      case 1: state = saal::teme_to_efg(t, state); break;
      case 2: state = saal::efg_to_ecr(t, state); break;
    }
  }
  while (at > to) {
    switch (at--) {
      case 3: state = saal::ecr_to_efg(t, state); break;
      case 2: state = saal::efg_to_teme(t, state); break;
      case 1: state = saal::teme_to_j2000(tai(), state); break;
    }
  }
  return CartesianState(epoch_, state, target);
}

KeplerianState CartesianState::to_keplerian() const {
  return KeplerianState(epoch_, KeplerianElements::from_engine(saal::pos_vel_to_keplerian(pos_vel())), frame_,
                        KeplerianType::Osculating);
}

namespace {

CartesianState make(const Epoch& epoch, const CartesianVector& position, const CartesianVector& velocity,
                    ReferenceFrame frame) {
  return CartesianState(epoch, position, velocity, frame);
}

}  // namespace

}  // namespace vastorin

using vastorin::CartesianState;

VASTORIN_CLASS(CartesianState, "CartesianState", "vastorin.elements") {
  using namespace vastorin;
  cls.constructor<"CartesianState(epoch, position, velocity, frame)", &make>();
  cls.readonly<"epoch", &CartesianState::epoch>();
  cls.readonly<"position", &CartesianState::position>();
  cls.readonly<"velocity", &CartesianState::velocity>();
  cls.method<"get_frame()", &CartesianState::frame>();
  cls.method<"to_frame(frame)", &CartesianState::to_frame>();
  cls.method<"to_keplerian()", &CartesianState::to_keplerian>();
}
