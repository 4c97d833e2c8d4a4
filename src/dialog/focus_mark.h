// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace kok::dialog {

// A dotted frame over a widget that takes the keyboard focus but draws no
// focus mark of its own (a label used as a link or a button), shown while it
// has the focus. The frame lies over the widget: nothing moves.
void markFocus(QWidget* widget);

} // namespace kok::dialog
