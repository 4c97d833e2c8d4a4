#pragma once

#include <QDialog>
#include <QPoint>
#include <array>
#include <memory>

#include "dialog/dialog_page.h"

class QPushButton;
class QTimer;

namespace Ui {
class SettingsDialogForm;
}

namespace kok::dialog {

class ClockLink;
class CountdownPage;
class StopwatchPage;

// The Settings dialog: created hidden at start and afterwards only shown and
// hidden. The frame holds the section buttons, OK and Cancel and a stack of
// pages; showing it loads every page from the Settings file, OK saves every
// page in one update of the file. The pages are built the first time the
// dialog shows, so that creating it at start-up costs next to nothing.
class SettingsDialog : public QDialog {
    Q_OBJECT

  public:
    enum Section { Options, Alarm, Countdown, Timer, Message, Skins, Editor, Info, SectionCount };

    explicit SettingsDialog(ClockLink& clock, QWidget* parent = nullptr);
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
    // The stopwatch started, stopped, paused or resumed; the countdown started
    // or stopped: their pages show it.
    void refreshStopwatchPage();
    void refreshCountdownPage();
    // OK and Cancel are off while the Message bar shows.
    void setMessageBarShowing(bool showing);
    // The program's folder could not be written: nothing can be saved until
    // the program ends.
    bool isReadOnly() const { return readOnly_; }

    QTimer* tt_focus = nullptr;
    QTimer* tt_locker = nullptr;

  public slots:
    void c_okClick();
    void c_cancelClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Esc acts as Cancel.
    void reject() override;

  private slots:
    void tt_focusTimer();
    void startFlash();
    void tt_lockerTimer();

  private:
    void FormCreate();
    void FormShow();
    void FormHide();
    void showSection(Section section);
    void buildPages();
    void createAlarmWorkingCopy(const settings::IniUpdate& file);
    // Writes every page into the Settings file in one update; false when
    // nothing could be saved.
    bool saveAll();
    void enterReadOnly();
    void updateButtons();
    template <class Fn> void forEachPage(Fn fn) const;
    // None until the pages are built.
    StopwatchPage* stopwatchPage() const;
    CountdownPage* countdownPage() const;

    std::unique_ptr<Ui::SettingsDialogForm> ui_;
    ClockLink& clock_;
    std::array<QPushButton*, SectionCount> sectionButtons_{};
    std::array<DialogPage*, SectionCount> pages_{};
    Section current_ = Options;
    bool pagesBuilt_ = false;
    bool readOnly_ = false;
    bool lockOpen_ = false;
    bool barShowing_ = false;
    int lockerCount_ = 6; // seconds until the skin choice and OK open
    int focusCount_ = 0;  // flashes of the message fields so far
};

} // namespace kok::dialog
