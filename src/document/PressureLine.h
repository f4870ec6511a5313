// Moved to the support library; kept so that existing includes keep working.
#pragma once

#include "support/PressureLine.h"
