// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stands for a header of the window library in the layering check's test.
