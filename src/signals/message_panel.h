// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace kok::signal {

// The Message bar's text. To a screen reader it is an alert named by its
// text, so that its showing is spoken: a plain label's is not.
class MessagePanel : public QLabel {
    Q_OBJECT

  public:
    explicit MessagePanel(const QString& text, QWidget* parent = nullptr);
};

} // namespace kok::signal
