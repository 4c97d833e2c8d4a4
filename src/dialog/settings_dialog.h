#pragma once

#include <QDialog>
#include <QPoint>
#include <array>

class QPushButton;
class QStackedWidget;
class QTimer;

namespace kok::dialog {

// The Settings dialog: created hidden at start and afterwards only shown and
// hidden. Pages are built the first time they are needed, so that creating the
// dialog at start-up costs next to nothing.
class SettingsDialog : public QDialog {
    Q_OBJECT

  public:
    enum Section { Options, Alarm, Countdown, Timer, Message, Skins, Editor, Info, SectionCount };

    explicit SettingsDialog(QWidget* parent = nullptr);
    ~SettingsDialog() override;

    // Shows the dialog on a section and brings it to the front.
    void openSection(Section section);
    Section currentSection() const;
    // The Clock window's position while it is dragged.
    void showClockPosition(QPoint position);
    // The stopwatch's reading at every tick, for its page's live field.
    void showStopwatchTime(const QString& text);
    // The clock's time at every tick, for the stopwatch page's current-time field.
    void showClockTime(const QString& text);
    // OK and Cancel are off while the Message bar shows; afterwards each
    // gets back the state it had.
    void setMessageBarShowing(bool showing);

    QPushButton* c_ok = nullptr;
    QPushButton* c_cancel = nullptr;
    QTimer* tt_focus = nullptr;
    QTimer* tt_locker = nullptr;
    QTimer* tt_egg = nullptr;

  private:
    void showSection(Section section);
    void ensurePage(Section section);

    std::array<QPushButton*, SectionCount> sectionButtons_{};
    std::array<QWidget*, SectionCount> pages_{};
    QStackedWidget* tabs_ = nullptr;
    bool okEnabledBeforeBar_ = false;
    bool barShowing_ = false;
};

} // namespace kok::dialog
