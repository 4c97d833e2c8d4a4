#pragma once

#include <QWidget>

class QToolButton;

namespace kok::dialog {

// The pair of arrows beside a number field: two small buttons stacked, that
// step a position within a range and stop at its ends (no wrapping). A step
// is reported, not shown: the page puts the new position into its field, and
// the field's change handler does the rest.
class UpDown : public QWidget {
    Q_OBJECT

  public:
    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    // A step of 0 leaves the position where it is (a fixed field).
    void setStep(int step) { step_ = step; }
    int position() const { return position_; }
    // Follows the field without reporting; kept within the range.
    void setPosition(int position);

  signals:
    void stepped(int position);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void stepBy(int direction);

    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int step_ = 1;
    int position_ = 0;
};

} // namespace kok::dialog
