#include "binding/bind.h"
#include "enums/classification.h"
#include "enums/covariance_type.h"
#include "enums/equinox_type.h"
#include "enums/geodetic_model.h"
#include "enums/keplerian_type.h"
#include "enums/reference_frame.h"
#include "enums/saal_key_mode.h"
#include "enums/time_system.h"
#include "lib/registration.h"

namespace vastorin {

void register_enums(PyObject* parent) {
  bind::Object module = bind::new_submodule("enums");
  bind::add_class<SAALKeyMode>(module.get());
  bind::add_class<TimeSystem>(module.get());
  bind::add_class<ReferenceFrame>(module.get());
  bind::add_class<Classification>(module.get());
  bind::add_class<KeplerianType>(module.get());
  bind::add_class<EquinoxType>(module.get());
  bind::add_class<GeodeticModel>(module.get());
  bind::add_class<CovarianceType>(module.get());
  bind::insert_submodule(parent, std::move(module), "enums", "vastorin._vastorin.enums");
}

}  // namespace vastorin
