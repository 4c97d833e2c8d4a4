// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/settings_dialog.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "alarms/alarm_slots.h"
#include "dialog/accessible_names.h"
#include "dialog/alarm_page.h"
#include "dialog/alarm_working_copy.h"
#include "dialog/clock_link.h"
#include "dialog/countdown_page.h"
#include "dialog/dialog_font.h"
#include "dialog/info_page.h"
#include "dialog/message_page.h"
#include "dialog/options_page.h"
#include "dialog/plain_text.h"
#include "dialog/skin_editor_page.h"
#include "dialog/skins_page.h"
#include "dialog/stopwatch_page.h"
#include "face/program_control.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "platform/translate.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "ui_settings_dialog.h"

namespace kok::dialog {
namespace {

constexpr const char* kCaptionPrefix =
    QT_TRANSLATE_NOOP("SettingsDialog", "kOk DIAL TD ::: настройки ::: ");
constexpr const char* kReadOnlyLine =
    QT_TRANSLATE_NOOP("Messages", "\nИзменение настроек будет невозможно.");
constexpr const char* kSaveCancelledLine =
    QT_TRANSLATE_NOOP("Messages", "\nСохранение настроек отменено.");
constexpr int kLockSeconds = 6;

struct SectionInfo {
    const char* page;
    const char* caption; // the whole caption, or the part after the prefix
    bool ownCaption;
};

constexpr std::array<SectionInfo, SettingsDialog::SectionCount> kSections = {{
    {"tab_options", QT_TRANSLATE_NOOP("SettingsDialog", "параметры программы"), false},
    {"tab_alarm", QT_TRANSLATE_NOOP("SettingsDialog", "будильники"), false},
    {"tab_countdown", QT_TRANSLATE_NOOP("SettingsDialog", "таймер обратного отсчёта"), false},
    {"tab_timer", QT_TRANSLATE_NOOP("SettingsDialog", "таймер прямого отсчёта"), false},
    {"tab_message", QT_TRANSLATE_NOOP("SettingsDialog", "сообщение о времени"), false},
    {"tab_skins", QT_TRANSLATE_NOOP("SettingsDialog", "интерфейсные темы"), false},
    {"tab_editor", QT_TRANSLATE_NOOP("SettingsDialog", "kOk DIAL TD ::: редактор интерфейсных тем"),
     true},
    {"tab_info",
     QT_TRANSLATE_NOOP("SettingsDialog", "kOk DIAL TD ::: информация о программе и её авторе"),
     true},
}};

// Showing loads the groups in this order; OK saves them in the other.
constexpr SettingsGroup kLoadOrder[] = {
    SettingsGroup::Main,  SettingsGroup::Hour,    SettingsGroup::Indicator, SettingsGroup::Alarms,
    SettingsGroup::Timer, SettingsGroup::Message, SettingsGroup::Skins};
constexpr SettingsGroup kSaveOrder[] = {
    SettingsGroup::Main,   SettingsGroup::Skins, SettingsGroup::Hour,   SettingsGroup::Indicator,
    SettingsGroup::Alarms, SettingsGroup::Timer, SettingsGroup::Message};

std::string today() {
    return alarm::dateText(platform::clock().now());
}

} // namespace

SettingsDialog::SettingsDialog(ClockLink& clock, std::chrono::milliseconds sinceStart,
                               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(std::make_unique<Ui::SettingsDialogForm>()), clock_(clock) {
    ui_->setupUi(this);
    keepLabelsPlain(this);
    setFont(dialogFont(font()));
    setFixedSize(size());
    sectionButtons_ = {ui_->s_options, ui_->s_alarm, ui_->s_countdown, ui_->s_timer,
                       ui_->s_message, ui_->s_skins, ui_->s_editor,    ui_->s_info};
    for (int i = 0; i < SectionCount; ++i) {
        // The button of the page shown stays down.
        sectionButtons_[i]->setCheckable(true);
        sectionButtons_[i]->setAutoExclusive(true);
        connect(sectionButtons_[i], &QPushButton::clicked, this,
                [this, i] { showSection(Section(i)); });
    }
    connect(ui_->c_ok, &QPushButton::clicked, this, &SettingsDialog::c_okClick);
    connect(ui_->c_cancel, &QPushButton::clicked, this, &SettingsDialog::c_cancelClick);
    setUpKeyboard();

    tt_focus = new QTimer(this);
    tt_focus->setObjectName("tt_focus");
    tt_focus->setInterval(250);
    connect(tt_focus, &QTimer::timeout, this, &SettingsDialog::tt_focusTimer);
    tt_locker = new QTimer(this);
    tt_locker->setObjectName("tt_locker");
    tt_locker->setInterval(1000);
    connect(tt_locker, &QTimer::timeout, this, &SettingsDialog::tt_lockerTimer);

    FormCreate(sinceStart);
}

// The program may end with the dialog open: the working copy goes with it.
SettingsDialog::~SettingsDialog() {
    if (isVisible()) FormHide();
}

void SettingsDialog::FormCreate(std::chrono::milliseconds sinceStart) {
    showSection(Options);
    ui_->c_ok->setEnabled(false);
    // The lock runs from the program's start: a dialog built later takes up
    // its count where it has got to.
    const auto passed = std::chrono::duration_cast<std::chrono::seconds>(sinceStart);
    lockerCount_ = kLockSeconds - int(std::min<std::int64_t>(passed.count(), kLockSeconds));
    if (lockerCount_ == 0) {
        lockOpen_ = true;
        updateButtons();
    } else {
        tt_locker->start(int((std::chrono::seconds(1) - (sinceStart - passed)).count()));
    }
    // The version, the credits, the position limits and the voice-pack probe
    // are set by their pages when the dialog first shows.
}

template <class Fn> void SettingsDialog::forEachPage(Fn fn) const {
    for (DialogPage* page : pages_)
        if (page) fn(*page);
}

// The pages the dialog passes calls to are kept by their own type.
DialogPage* SettingsDialog::makePage(Section section) {
    switch (section) {
    case Options:
        return optionsPage_ = new OptionsPage(clock_);
    case Alarm:
        return alarmPage_ = new AlarmPage(alarmWorkingCopy_);
    case Countdown:
        return countdownPage_ = new CountdownPage(clock_);
    case Timer:
        return stopwatchPage_ = new StopwatchPage(clock_);
    case Message:
        return new MessagePage;
    case Skins:
        return new SkinsPage;
    case Editor:
        return new SkinEditorPage;
    case Info:
        return new InfoPage;
    case SectionCount:
        break;
    }
    return new DialogPage;
}

void SettingsDialog::buildPages() {
    if (pagesBuilt_) return;
    pagesBuilt_ = true;
    for (int i = 0; i < SectionCount; ++i) {
        DialogPage* page = makePage(Section(i));
        page->setObjectName(kSections[i].page);
        ui_->tabs->addWidget(page);
        keepLabelsPlain(page); // before any page shows a text from a file
        // Enter in a field must not press a page's "!!!" or "..." button.
        for (QPushButton* b : page->findChildren<QPushButton*>())
            b->setAutoDefault(false);
        pages_[i] = page;
        connect(page, &DialogPage::attentionRequested, this, &SettingsDialog::startFlash);
        if (lockerCount_ < kLockSeconds) page->lockerTick(lockerCount_);
    }
    ui_->tabs->setCurrentIndex(currentSection());
    nameControls(this);
    for (DialogPage* page : pages_)
        tellControlsApart(page);
}

void SettingsDialog::showSection(Section section) {
    current_ = section;
    sectionButtons_[section]->setChecked(true);
    if (pagesBuilt_) {
        ui_->tabs->setCurrentIndex(section);
        focusFirstField();
    }
    const SectionInfo& info = kSections[section];
    setWindowTitle(info.ownCaption ? platform::trQ("SettingsDialog", info.caption)
                                   : platform::trQ("SettingsDialog", kCaptionPrefix) +
                                         platform::trQ("SettingsDialog", info.caption));
    if (section == Alarm || section == Countdown) startFlash();
}

SettingsDialog::Section SettingsDialog::currentSection() const {
    return current_;
}

void SettingsDialog::openSection(Section section) {
    showSection(section);
    // A minimised dialog comes back too: showing alone would leave it an icon.
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void SettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void SettingsDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormHide();
}

void SettingsDialog::FormShow() {
    if (!pagesBuilt_) {
        buildPages();
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
    }
    clock_.setAlarmMenuVisible(false);
    const settings::IniUpdate file = settings::openSettings().snapshot();
    for (SettingsGroup group : kLoadOrder) {
        forEachPage([&](DialogPage& page) { page.load(file, group); });
        if (group == SettingsGroup::Alarms) createAlarmWorkingCopy(file);
    }
    forEachPage([](DialogPage& page) { page.loaded(); });
    rememberLoadedState();
    focusFirstField();
}

void SettingsDialog::createAlarmWorkingCopy(const settings::IniUpdate& file) {
    try {
        alarmWorkingCopy_.create(file, today());
    } catch (const settings::WriteError&) {
        enterReadOnly();
    }
}

void SettingsDialog::FormHide() {
    alarmWorkingCopy_.remove();
    // The alarm submenu comes back unless settings cannot be changed at all.
    clock_.setAlarmMenuVisible(!readOnly_);
}

void SettingsDialog::enterReadOnly() {
    const bool first = !readOnly_;
    readOnly_ = true;
    tt_locker->stop();
    for (Section s : {Alarm, Countdown, Message, Timer, Skins})
        sectionButtons_[s]->setEnabled(false);
    forEachPage([](DialogPage& page) { page.enterReadOnly(); });
    clock_.hideSettingsMenuItems();
    if (current_ != Options && current_ != Editor && current_ != Info) showSection(Info);
    updateButtons();
    if (first || isVisible()) {
        // After the show has finished, so that the box comes over the dialog.
        QTimer::singleShot(0, this, [] {
            platform::showMessage(platform::trText("Messages", settings::kWriteFailureText) +
                                  platform::trText("Messages", kReadOnlyLine));
        });
    }
}

SettingsDialog::SaveOutcome SettingsDialog::saveAll() {
    try {
        const std::string date = today();
        settings::openSettings().update([&](settings::IniUpdate& file) { writePages(file, date); });
        return SaveOutcome::Saved;
    } catch (const settings::WriteError&) {
    } catch (const UnstorableText& refused) {
        refuseUnstorable(refused);
        return SaveOutcome::Refused;
    } catch (const InvalidField&) {
    }
    return SaveOutcome::Failed;
}

// The text stays in its field, shown, for the user to change: closing would
// lose it and every other change made in the dialog.
void SettingsDialog::refuseUnstorable(const UnstorableText& refused) {
    platform::showMessage(platform::utf8(refused.message()));
    for (int i = 0; i < SectionCount; ++i)
        if (pages_[i] && pages_[i]->isAncestorOf(refused.field())) showSection(Section(i));
    refused.field()->setFocus();
}

void SettingsDialog::writePages(settings::IniUpdate& file, std::string_view date) const {
    for (SettingsGroup group : kSaveOrder) {
        forEachPage([&](const DialogPage& page) { page.save(file, group); });
        if (group == SettingsGroup::Alarms) alarmWorkingCopy_.copyBack(file, date);
    }
}

settings::IniUpdate SettingsDialog::pendingSave() const {
    settings::IniUpdate collected;
    writePages(collected, today());
    return collected;
}

void SettingsDialog::c_okClick() {
    forEachPage([](DialogPage& page) { page.beforeSave(); });
    const SaveOutcome outcome = saveAll();
    if (outcome == SaveOutcome::Refused) return;
    if (outcome == SaveOutcome::Failed)
        platform::showMessage(platform::trText("Messages", settings::kWriteFailureText) +
                              platform::trText("Messages", kSaveCancelledLine));
    bool restart = false;
    forEachPage([&](const DialogPage& page) { restart = restart || page.changesRunningSkin(); });
    if (restart) face::program().restartProgram();
    hide();
    // A countdown that runs now runs on; one switched on here starts from its
    // full time. The countdown page may say otherwise.
    clock_.setCountdownRestart(!clock_.countdownRunning());
    forEachPage([](DialogPage& page) { page.saved(); });
    clock_.reloadSettings();
}

void SettingsDialog::c_cancelClick() {
    hide();
    clock_.reloadSettings();
}

// Every flash runs its whole count from the start.
void SettingsDialog::startFlash() {
    focusCount_ = 0;
    tt_focus->start();
}

void SettingsDialog::tt_focusTimer() {
    const int count = ++focusCount_;
    forEachPage([count](DialogPage& page) { page.flash(count); });
    if (count >= 6) {
        tt_focus->stop();
        focusCount_ = 0;
    }
}

void SettingsDialog::tt_lockerTimer() {
    tt_locker->setInterval(1000); // after a first, shorter wait
    const int left = --lockerCount_;
    forEachPage([left](DialogPage& page) { page.lockerTick(left); });
    if (left <= 0) {
        tt_locker->stop();
        lockOpen_ = true;
        updateButtons();
    }
}

void SettingsDialog::updateButtons() {
    ui_->c_ok->setEnabled(lockOpen_ && !readOnly_ && !barShowing_);
    ui_->c_cancel->setEnabled(!barShowing_);
}

void SettingsDialog::setMessageBarShowing(bool showing) {
    barShowing_ = showing;
    updateButtons();
}

bool SettingsDialog::isOpen() const {
    return isVisible();
}

void SettingsDialog::showClockPosition(QPoint position) {
    if (optionsPage_) optionsPage_->showClockPosition(position);
}

void SettingsDialog::showStopwatchTime(const QString& text) {
    if (stopwatchPage_) stopwatchPage_->showStopwatchTime(text);
}

void SettingsDialog::showClockTime(const QString& text) {
    if (stopwatchPage_) stopwatchPage_->showClockTime(text);
}

void SettingsDialog::refreshStopwatchPage() {
    if (stopwatchPage_) stopwatchPage_->refresh();
}

void SettingsDialog::refreshCountdownPage() {
    if (countdownPage_) countdownPage_->showCountdownRunning(settings::openSettings().snapshot());
}

void SettingsDialog::showStopwatchMode(bool stopMode) {
    if (stopwatchPage_) stopwatchPage_->showMode(stopMode);
}

void SettingsDialog::showSystemTime(bool on) {
    if (optionsPage_) optionsPage_->showSystemTime(on);
}

// The working copy follows the check and the commands, as the countdown page
// follows the countdown, so that OK does not switch a rung once-alarm back on
// nor undo an `--alarm N on|off`.
void SettingsDialog::alarmsSwitched(const std::vector<int>& switched, bool on) {
    if (!isVisible() || readOnly_ || !alarmPage_) return;
    try {
        alarmWorkingCopy_.setUse(switched, on);
    } catch (const settings::WriteError&) {
        enterReadOnly();
        return;
    }
    alarmPage_->showSwitched(switched, on);
}

} // namespace kok::dialog
