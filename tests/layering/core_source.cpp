// SPDX-License-Identifier: GPL-3.0-or-later
// Stands for a core source that reaches into the window library; the
// layering check must refuse it.
#include "window.h"
