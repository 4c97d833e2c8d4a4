// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/surface.h"
#include "platform/time.h"
