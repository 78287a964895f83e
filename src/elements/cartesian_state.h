// A position and velocity at an epoch in one of the four frames (TEME, EFG, ECR, J2000).
// A value: nothing in it changes after construction.
#pragma once

#include "elements/cartesian_vector.h"
#include "enums/reference_frame.h"
#include "saal/astro_func_interface.h"
#include "time/epoch.h"

namespace vastorin {

class KeplerianState;

class CartesianState {
 public:
  CartesianState(const Epoch& epoch, const CartesianVector& position, const CartesianVector& velocity,
                 ReferenceFrame frame)
      : epoch_(epoch), position_(position), velocity_(velocity), frame_(frame) {}
  CartesianState(const Epoch& epoch, const saal::PosVel& state, ReferenceFrame frame)
      : CartesianState(epoch, CartesianVector(state.position), CartesianVector(state.velocity), frame) {}

  const Epoch& epoch() const { return epoch_; }
  const CartesianVector& position() const { return position_; }
  const CartesianVector& velocity() const { return velocity_; }
  ReferenceFrame frame() const { return frame_; }
  saal::PosVel pos_vel() const { return {position_.components(), velocity_.components()}; }

  // The state in another frame. The epoch's count is taken as UTC whatever its system (the
  // J2000 rotations get its TAI equivalent); the result keeps the epoch as it is.
  CartesianState to_frame(ReferenceFrame target) const;

  // Two-body osculating elements in the same frame, of type Osculating.
  KeplerianState to_keplerian() const;

 private:
  Epoch epoch_;
  CartesianVector position_;
  CartesianVector velocity_;
  ReferenceFrame frame_;
};

}  // namespace vastorin
