// The water-zone model of a case: its J-value data as the model's geometry, and what a model
// lacks in them.
#pragma once

#include <string>

#include "document/CaseFields.h"
#include "engine/WaterZoneModels.h"

namespace brelvan {

// The J-value data as the rock of the water zone (Re and k are not used by a case: WIP fixes
// the size and J the conductivity).
waterzone::Rock rockOf(const JInputs& j);

// The model of a stored number (0 to 3; anything else counts as Fetkovich).
waterzone::Model modelOf(int stored);

// The German message naming the value the model `stored` lacks in the case, or "" when it has
// all it needs.
std::string waterZoneProblem(int stored, const ReservoirData& r, const JInputs& j);

} // namespace brelvan
