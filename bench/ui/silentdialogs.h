#pragma once

#include "platform/quietdialogs.h"

namespace tarvello {

// Dialogs the window benchmarks never show: every question is cancelled.
using SilentDialogs = QuietDialogs;

} // namespace tarvello
