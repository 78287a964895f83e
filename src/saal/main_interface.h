// The engine's key mode.
#pragma once

#include "enums/saal_key_mode.h"
#include "exceptions/error.h"

namespace vastorin::saal {

// Sets the key mode of all engine libraries; the error result carries the engine's text.
Status set_key_mode(SAALKeyMode mode);

// The current key mode; an unknown code from the engine is an internal error.
SAALKeyMode get_key_mode();

}  // namespace vastorin::saal
