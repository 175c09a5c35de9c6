#pragma once

// The SDL desktop: StartDesktop and StopDesktop are declared with the other
// back ends' entry points.
#include "platform/backend/program_backend.hpp"
