// SPDX-License-Identifier: GPL-3.0-or-later
// A planted cycle: face includes clock, which includes face.
#include "clock/window.h"
