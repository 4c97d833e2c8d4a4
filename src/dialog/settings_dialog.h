// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPoint>
#include <array>
#include <chrono>
#include <memory>

#include "dialog/alarm_working_copy.h"
#include "dialog/dialog_page.h"
#include "dialog/storable_text.h"
#include "face/settings_view.h"
#include "settings/ini_file.h"

class QPushButton;
class QTimer;

namespace Ui {
class SettingsDialogForm;
}

namespace kok::dialog {

class AlarmPage;
class ClockLink;
class CountdownPage;
class OptionsPage;
class StopwatchPage;

// The Settings dialog: created hidden when the program first opens it, and
// afterwards only shown and hidden. The frame holds the section buttons, OK
// and Cancel and a stack of pages; showing it loads every page from the
// Settings file, OK saves every page in one update of the file. The pages are
// built the first time the dialog shows.
class SettingsDialog : public QDialog, public face::SettingsView {
    Q_OBJECT

  public:
    // `sinceStart`: how long the program has run, for a dialog built after the
    // start; the lock on OK and the skin choice counts from the start.
    explicit SettingsDialog(ClockLink& clock,
                            std::chrono::milliseconds sinceStart = std::chrono::milliseconds(0),
                            QWidget* parent = nullptr);
    ~SettingsDialog() override;

    Section currentSection() const;

    // SettingsView
    void openSection(Section section) override;
    bool isOpen() const override;
    void showClockPosition(QPoint position) override;
    void showStopwatchTime(const QString& text) override;
    void showClockTime(const QString& text) override;
    void refreshStopwatchPage() override;
    void refreshCountdownPage() override;
    void showStopwatchMode(bool stopMode) override;
    void showSystemTime(bool on) override;
    void alarmsSwitched(const std::vector<int>& switched, bool on) override;
    void setMessageBarShowing(bool showing) override;
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
    void keyPressEvent(QKeyEvent* event) override;
    // Tab enters each set of radios at its checked radio.
    bool focusNextPrevChild(bool next) override;
    // Esc and the window's close act as Cancel, after asking when there are
    // edits OK would save.
    void reject() override;

  private slots:
    void tt_focusTimer();
    void startFlash();
    void tt_lockerTimer();

  private:
    void FormCreate(std::chrono::milliseconds sinceStart);
    void FormShow();
    void FormHide();
    void showSection(Section section);
    void buildPages();
    DialogPage* makePage(Section section);
    void createAlarmWorkingCopy(const settings::IniUpdate& file);
    enum class SaveOutcome { Saved, Failed, Refused };
    // Writes every page into the Settings file in one update. Failed: it
    // could not be written; Refused: a field holds what it cannot store
    // (already said, the dialog stays open). Either way nothing is saved.
    SaveOutcome saveAll();
    void refuseUnstorable(const UnstorableText& refused);
    void writePages(settings::IniUpdate& file, std::string_view date) const;
    // What OK would write now, collected into an empty file.
    settings::IniUpdate pendingSave() const;
    void rememberLoadedState();
    bool hasEditsToLose() const;
    bool confirmDiscard();
    void setUpKeyboard();
    void stepSection(int step);
    void focusFirstField();
    void enterReadOnly();
    void updateButtons();
    template <class Fn> void forEachPage(Fn fn) const;

    std::unique_ptr<Ui::SettingsDialogForm> ui_;
    ClockLink& clock_;
    AlarmWorkingCopy alarmWorkingCopy_; // the alarm page edits it
    std::array<QPushButton*, SectionCount> sectionButtons_{};
    std::array<DialogPage*, SectionCount> pages_{};
    settings::IniUpdate loadedSave_; // what OK would have written right after loading
    // The pages the dialog passes the clock's calls to; none until built.
    OptionsPage* optionsPage_ = nullptr;
    AlarmPage* alarmPage_ = nullptr;
    CountdownPage* countdownPage_ = nullptr;
    StopwatchPage* stopwatchPage_ = nullptr;
    Section current_ = Options;
    bool pagesBuilt_ = false;
    bool readOnly_ = false;
    bool lockOpen_ = false;
    bool barShowing_ = false;
    int lockerCount_ = 6; // seconds until the skin choice and OK open
    int focusCount_ = 0;  // flashes of the message fields so far
};

} // namespace kok::dialog
