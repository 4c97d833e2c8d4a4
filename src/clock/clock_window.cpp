#include "clock/clock_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include "app/restart.h"
#include "clock/time_text.h"
#include "platform/clock.h"
#include "settings/autostart.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/hourly_chime.h"
#include "skin/form_shaper.h"
#include "skin/skin_loader.h"

namespace kok::clock {

namespace keys = kok::settings;

ClockWindow::ClockWindow(QString firstArgument, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      firstArgument_(std::move(firstArgument)) {
    setObjectName("koktd");
    setWindowTitle("kOk DIAL TD");
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Pointer moves over the face return hovered buttons to idle; right clicks
    // open the menu on release, after the position has been stored.
    setMouseTracking(true);
    setContextMenuPolicy(Qt::PreventContextMenu);
    resize(200, 200);
    buildComponents();
    FormCreate();
}

ClockWindow::~ClockWindow() = default;

QTimer* ClockWindow::makeTimer(const char* name, int intervalMs, bool singleShot) {
    auto* t = new QTimer(this);
    t->setObjectName(name);
    t->setInterval(intervalMs);
    t->setSingleShot(singleShot);
    return t;
}

void ClockWindow::buildComponents() {
    i_face = new QLabel(this);
    i_face->setObjectName("i_face");
    i_face->move(0, 0);

    auto makeLabel = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignCenter);
        l->setAttribute(Qt::WA_TranslucentBackground);
        return l;
    };
    t_time = makeLabel("t_time");
    t_time->setText("00:00:00");
    t_time->setGeometry(0, 0, 200, 200);
    t_timer = makeLabel("t_timer");
    // Moves over the face and the indicators must reach the window, and Qt
    // drops moves without a button before widgets that do not track them.
    for (QLabel* l : {i_face, t_time, t_timer})
        l->setMouseTracking(true);
    i_settings = new ImageButton("i_settings", this);
    i_close = new ImageButton("i_close", this);
    i_timer = new ImageButton("i_timer", this);

    f_shape = new skin::FormShaper(this);
    f_shape->setObjectName("f_shape");

    tt_time = makeTimer("tt_time", 1000);
    tt_time->setTimerType(Qt::PreciseTimer);
    tt_alarm = makeTimer("tt_alarm", 5000);
    tt_countdown = makeTimer("tt_countdown", 1000);
    tt_timer = makeTimer("tt_timer", 1000);
    tt_reminder = makeTimer("tt_reminder", 5 * 60000, true);
    tt_flash = makeTimer("tt_flash", 250);
    tt_locker = makeTimer("tt_locker", 60000);
    tt_move = makeTimer("tt_move", 10);
    tt_priority = makeTimer("tt_priority", 1000);
    tt_hide = makeTimer("tt_hide", 10000, true);
    tt_system = makeTimer("tt_system", 1000);
    tt_shader = makeTimer("tt_shader", 10000, true);
    tt_rebooter = makeTimer("tt_rebooter", 750);

    connect(tt_time, &QTimer::timeout, this, &ClockWindow::tt_timeTimer);
    connect(tt_rebooter, &QTimer::timeout, this, &ClockWindow::tt_rebooterTimer);
    connect(tt_locker, &QTimer::timeout, this, &ClockWindow::tt_lockerTimer);
    connect(tt_move, &QTimer::timeout, this, &ClockWindow::tt_moveTimer);
    connect(tt_priority, &QTimer::timeout, this, &ClockWindow::tt_priorityTimer);
    connect(tt_hide, &QTimer::timeout, this, &ClockWindow::tt_hideTimer);
    connect(tt_system, &QTimer::timeout, this, &ClockWindow::tt_systemTimer);
    connect(tt_shader, &QTimer::timeout, this, &ClockWindow::tt_shaderTimer);

    buildMenu();
    buildHotkeys();
    connectButtons();
}

void ClockWindow::FormCreate() {
    skin::ApplySkin(*this, settings::IsXpFamily());
    p_messagerTag = 0;
    if (firstArgument_ == QLatin1String("/autorun")) {
        tt_rebooter->start();
        menuAutoPopup_ = false;
    }
}

bool ClockWindow::hasSecondIndicator() const { return !t_timer->isHidden(); }

void ClockWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void ClockWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    app::requestTermination();
}

void ClockWindow::FormShow() {
    const settings::IniFile ini = settings::openSettings();
    loadPosition(ini);
    loadPriorityAndMagnet(ini);
    loadChimeKind(ini);
    loadIndicatorMode(ini);
    loadAlarms(ini);
    const bool timerRuns = resumeTimers(ini);
    if (!timerRuns) {
        platform::removeFile(settings::programFilePath(settings::kTimerStateFileName));
        startClockTick();
    }
    loadStopwatchButtonMode(ini);
    if (hasSecondIndicator() || !timerRuns) {
        showCurrentTime();
        startClockTick();
    }
}

void ClockWindow::loadPosition(const settings::IniFile& ini) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int x = ini.readInteger(keys::main_section::kName, keys::main_section::kPosX,
                                  screen.width() - width() - keys::main_section::kPosXRightMargin);
    const int y = ini.readInteger(keys::main_section::kName, keys::main_section::kPosY,
                                  keys::main_section::kPosYDefault);
    move(visiblePosition(QPoint(x, y)));
}

// Placement rules (priority and edge snapping) hook in here.
void ClockWindow::loadPriorityAndMagnet(const settings::IniFile& ini) {
    if (ini.readFlag(keys::main_section::kName, keys::main_section::kPriority,
                     keys::main_section::kPriorityDefault))
        tt_priority->start();
    else
        tt_priority->stop();
    m_magnet->setChecked(ini.readFlag(keys::main_section::kName, keys::main_section::kMagnet,
                                      keys::main_section::kMagnetDefault));
}

void ClockWindow::loadChimeKind(const settings::IniFile& ini) {
    hourlyChime_.load(ini);
}

void ClockWindow::loadIndicatorMode(const settings::IniFile& ini) {
    m_system->setChecked(ini.readFlag(keys::indicator::kName, keys::indicator::kSystemTime,
                                      keys::indicator::kSystemTimeDefault));
    if (m_system->isChecked()) {
        tt_system->start();
        tt_systemTimer(); // no stale text for the first second
        return;
    }
    tt_system->stop();
    const bool asZero =
        ini.readFlag(keys::indicator::kName, keys::indicator::kAsZero, keys::indicator::kAsZeroDefault);
    const bool asNone =
        ini.readFlag(keys::indicator::kName, keys::indicator::kAsNone, keys::indicator::kAsNoneDefault);
    t_timer->setText(QString::fromStdString(idleIndicatorText(asZero, asNone)));
}

// The alarm slots load here.
void ClockWindow::loadAlarms(const settings::IniFile&) {}

// The countdown and the stopwatch resume here; returns whether either runs.
bool ClockWindow::resumeTimers(const settings::IniFile&) { return false; }

// The timer button's stopwatch mode loads here.
void ClockWindow::loadStopwatchButtonMode(const settings::IniFile&) {}

void ClockWindow::showCurrentTime() {
    t_time->setText(QString::fromStdString(timeText(platform::clock().now())));
}

// The tick is re-armed after every second so that it lands just after the
// system clock's second boundary instead of drifting away from it.
void ClockWindow::startClockTick() { tt_time->start(msUntilNextTick(platform::clock().now())); }

void ClockWindow::tt_timeTimer() {
    const platform::LocalTime now = platform::clock().now();
    t_time->setText(QString::fromStdString(timeText(now)));
    tt_time->start(msUntilNextTick(now));
    checkHourlyChime();
}

// After the display is updated, so that a chime that holds the thread shows the new time.
void ClockWindow::checkHourlyChime() {
    hourlyChime_.onTick(platform::clock().now(), [this] { repaint(); });
}

void ClockWindow::tt_rebooterTimer() {
    tt_rebooter->stop();
    menuAutoPopup_ = true;
    app::RestartProgram(this, false);
}

void ClockWindow::tt_lockerTimer() { tt_locker->stop(); }

void ClockWindow::m_closeClick() { app::requestTermination(); }

void ClockWindow::m_rebootClick() { app::RestartProgram(this, false); }

} // namespace kok::clock
