// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <memory>

#include "dialog/dialog_page.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace kok::platform {
class RunKeyStore;
}

namespace Ui {
class OptionsPage;
}

namespace kok::dialog {

class ClockLink;

// The general options: start with the system, visibility priority, the
// clock's position, the hourly chime and the idle second indicator. The
// autostart box and the position fields act at once; the rest waits for OK.
class OptionsPage : public DialogPage {
    Q_OBJECT

  public:
    // `autostartStore` replaces the user's XDG autostart folder (tests); the
    // page does not own it.
    explicit OptionsPage(ClockLink& clock, QWidget* parent = nullptr,
                         platform::RunKeyStore* autostartStore = nullptr);
    ~OptionsPage() override;

    void load(const settings::IniUpdate& file, SettingsGroup group) override;
    void save(settings::IniUpdate& file, SettingsGroup group) const override;
    void enterReadOnly() override;

    // The clock is being dragged: the fields follow it.
    void showClockPosition(QPoint position);
    // The uptime display switched from the menu while the page shows.
    void showSystemTime(bool on);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void autostartToggled(bool on);
    void positionEdited(QLineEdit* field, QSpinBox* arrows, bool horizontal);
    void hourToggled();
    void chimeKindChosen();
    void playChime();
    void chooseChimeFile();

    ClockLink& clock_;
    std::unique_ptr<platform::RunKeyStore> ownStore_;
    platform::RunKeyStore* autostartStore_;
    // The speech library lies beside the program: the two speech-based chime
    // kinds can be offered.
    bool voicePack_ = false;
    std::unique_ptr<Ui::OptionsPage> ui_;
};

} // namespace kok::dialog
