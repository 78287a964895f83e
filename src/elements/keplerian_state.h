// Keplerian elements at an epoch, in a frame, labelled with the theory they belong to. The
// label changes nothing but the mean motion reported.
#pragma once

#include "elements/keplerian_elements.h"
#include "enums/reference_frame.h"
#include "time/epoch.h"

namespace vastorin {

class CartesianState;

class KeplerianState {
 public:
  KeplerianState(const Epoch& epoch, const KeplerianElements& elements, ReferenceFrame frame, KeplerianType type)
      : epoch(epoch), elements(elements), frame(frame), type(type) {}

  double mean_motion() const { return elements.mean_motion(type); }

  // The two-body state of the six numbers, whatever their theory.
  CartesianState to_cartesian() const;
  // Through the Cartesian state and back: always Osculating, also for the same frame.
  KeplerianState to_frame(ReferenceFrame target) const;

  Epoch epoch;
  KeplerianElements elements;
  ReferenceFrame frame;
  KeplerianType type;
};

}  // namespace vastorin
