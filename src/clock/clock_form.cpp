// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/clock_form.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "clock/face_label.h"
#include "clock/image_button.h"
#include "clock/indicator_label.h"
#include "dialog/plain_text.h"
#include "platform/tick_timer.h"
#include "signals/message_panel.h"
#include "signals/warning_lock.h"
#include "skin/form_shaper.h"

namespace kok::clock {
namespace {

QTimer* makeTimer(QWidget* window, const char* name, int intervalMs, bool singleShot = false) {
    auto* t = new QTimer(window);
    t->setObjectName(name);
    t->setInterval(intervalMs);
    t->setSingleShot(singleShot);
    return t;
}

platform::TickTimer* makeTick(QWidget* window, const char* name) {
    auto* t = new platform::TickTimer(window);
    t->setObjectName(name);
    return t;
}

IndicatorLabel* makeIndicator(QWidget* window, const char* name) {
    auto* l = new IndicatorLabel(window);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

// Captions are marked QT_TRANSLATE_NOOP("ClockMenu", …) where they are given.
QAction* addItem(QMenu* menu, const char* name, const char* caption) {
    QAction* a = menu->addAction(QCoreApplication::translate("ClockMenu", caption));
    a->setObjectName(name);
    return a;
}

QAction* addSeparator(QMenu* menu, const char* name) {
    QAction* a = menu->addSeparator();
    a->setObjectName(name);
    return a;
}

QAction* addSubmenu(QMenu* menu, const char* name, const char* caption) {
    auto* sub = new QMenu(QCoreApplication::translate("ClockMenu", caption), menu);
    sub->setObjectName(QString::fromUtf8(name) + "_menu");
    QAction* a = menu->addMenu(sub);
    a->setObjectName(name);
    return a;
}

} // namespace

void ClockForm::setupUi(QWidget* window) {
    setupIndicators(window);
    f_shape = new skin::FormShaper(window);
    f_shape->setObjectName("f_shape");
    setupTimers(window);
    setupMenu(window);
    setupHotkeys(window);
}

void ClockForm::setupIndicators(QWidget* window) {
    i_face = new FaceLabel(window);
    i_face->setObjectName("i_face");
    i_face->move(0, 0);
    t_time = makeIndicator(window, "t_time");
    t_time->setText("00:00:00");
    t_time->setGeometry(0, 0, 200, 200);
    t_timer = makeIndicator(window, "t_timer");
    // Moves over the face and the indicators must reach the window, and Qt
    // drops moves without a button before widgets that do not track them.
    for (QLabel* l : std::initializer_list<QLabel*>{i_face, t_time, t_timer})
        l->setMouseTracking(true);
    i_settings = new ImageButton("i_settings", window);
    i_close = new ImageButton("i_close", window);
    i_timer = new ImageButton("i_timer", window);
    p_messager = new signal::MessagePanel(QStringLiteral("Mx3kR"), window);
    p_messager->setObjectName("p_messager");
    p_messager->setAlignment(Qt::AlignCenter);
    p_messager->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p_messager->setAutoFillBackground(true);
    p_messager->hide();
    // What the labels show may come from files (a message, a skin's text).
    dialog::keepLabelsPlain(window);
}

void ClockForm::setupTimers(QWidget* window) {
    // Re-armed for the wall clock's next boundary at every tick; the alarm
    // check wakes with the clock's tick.
    tt_time = makeTick(window, "tt_time");
    tt_alarm = makeTick(window, "tt_alarm");
    tt_countdown = makeTick(window, "tt_countdown");
    tt_timer = makeTick(window, "tt_timer");
    tt_reminder = makeTimer(window, "tt_reminder", 5 * 60000, true);
    tt_flash = makeTimer(window, "tt_flash", 250);
    tt_locker = new signal::WarningLock(window);
    tt_move = makeTimer(window, "tt_move", 10);
    tt_priority = makeTimer(window, "tt_priority", 1000);
    tt_hide = makeTimer(window, "tt_hide", 10000, true);
    // A coarse timer may end a 10-second hide half a second early.
    tt_hide->setTimerType(Qt::PreciseTimer);
    tt_system = makeTimer(window, "tt_system", 1000);
    tt_shader = makeTimer(window, "tt_shader", 10000, true);
    tt_rebooter = makeTimer(window, "tt_rebooter", 750);
}

void ClockForm::setupMenu(QWidget* window) {
    menu = new QMenu(window);
    menu->setObjectName("menu");

    m_settings = addItem(menu, "m_settings", QT_TRANSLATE_NOOP("ClockMenu", "Настройки"));
    menu->setDefaultAction(m_settings);
    m_skin = addItem(menu, "m_skin", QT_TRANSLATE_NOOP("ClockMenu", "Выбор темы интерфейса"));
    m_datetime =
        addItem(menu, "m_datetime", QT_TRANSLATE_NOOP("ClockMenu", "Корректировка даты и времени"));
    m_system = addItem(menu, "m_system",
                       QT_TRANSLATE_NOOP("ClockMenu", "Показывать время работы Windows"));
    m_system->setCheckable(true);
    m_system->setVisible(false); // until a skin with a second indicator says otherwise
    m_magnet = addItem(menu, "m_magnet",
                       QT_TRANSLATE_NOOP("ClockMenu", "Использовать прилипание к краям экрана"));
    m_magnet->setCheckable(true);
    m_separator_1 = addSeparator(menu, "m_separator_1");
    m_noremind = addItem(menu, "m_noremind",
                         QT_TRANSLATE_NOOP("ClockMenu", "Отменить ближайшее напоминание"));
    m_noremind->setVisible(false);

    m_alarms = addSubmenu(menu, "m_alarms", QT_TRANSLATE_NOOP("ClockMenu", "Будильники"));
    QMenu* alarms = m_alarms->menu();
    ma_settings = addItem(alarms, "ma_settings", QT_TRANSLATE_NOOP("ClockMenu", "Настройки"));
    alarms->setDefaultAction(ma_settings);
    addSeparator(alarms, "ma_separator");
    for (int slot = 0; slot < int(ma_slots.size()); ++slot) {
        const QByteArray name = "ma_" + QByteArray::number(slot);
        QAction* a = addItem(alarms, name.constData(), "");
        a->setCheckable(true);
        a->setData(slot);
        ma_slots[slot] = a;
    }

    m_timers = addSubmenu(menu, "m_timers", QT_TRANSLATE_NOOP("ClockMenu", "Таймеры"));
    QMenu* timers = m_timers->menu();
    mt_settings_cdn =
        addItem(timers, "mt_settings_cdn",
                QT_TRANSLATE_NOOP("ClockMenu", "Настройки таймера обратного отсчёта"));
    mt_settings_tmr = addItem(timers, "mt_settings_tmr",
                              QT_TRANSLATE_NOOP("ClockMenu", "Настройки таймера прямого отсчёта"));
    addSeparator(timers, "mt_separator_1");
    mt_start_cdn = addItem(timers, "mt_start_cdn",
                           QT_TRANSLATE_NOOP("ClockMenu", "Запустить таймер обратного отсчёта"));
    mt_start_tmr = addItem(timers, "mt_start_tmr",
                           QT_TRANSLATE_NOOP("ClockMenu", "Запустить таймер прямого отсчёта"));
    addSeparator(timers, "mt_separator_2");
    mt_mode_stop =
        addItem(timers, "mt_mode_stop",
                QT_TRANSLATE_NOOP("ClockMenu", "Режим кнопки таймера: остановка и сброс"));
    mt_mode_pause =
        addItem(timers, "mt_mode_pause",
                QT_TRANSLATE_NOOP("ClockMenu", "Режим кнопки таймера: пауза и продолжение"));
    auto* modes = new QActionGroup(timers);
    modes->setObjectName("mt_mode");
    for (QAction* a : {mt_mode_stop, mt_mode_pause}) {
        a->setCheckable(true);
        modes->addAction(a);
    }

    m_separator_2 = addSeparator(menu, "m_separator_2");
    m_hide_10 = addItem(menu, "m_hide_10", QT_TRANSLATE_NOOP("ClockMenu", "Скрыть на 10 секунд"));
    m_hide_60 = addItem(menu, "m_hide_60", QT_TRANSLATE_NOOP("ClockMenu", "Скрыть на 60 секунд"));
    addSeparator(menu, "m_separator_3");
    m_reboot = addItem(menu, "m_reboot", QT_TRANSLATE_NOOP("ClockMenu", "Перезапуск"));
    m_info = addItem(menu, "m_info", QT_TRANSLATE_NOOP("ClockMenu", "Информация"));
    m_close = addItem(menu, "m_close", QT_TRANSLATE_NOOP("ClockMenu", "Выход"));
}

// A hidden menu of its own keeps the two shortcuts out of the popup menu; the
// window carries them too, so that they work while it has the focus. The
// items stay visible in that never-shown menu: Qt keeps an invisible action
// disabled whatever it is told.
void ClockForm::setupHotkeys(QWidget* window) {
    hotkeys = new QMenu(window);
    hotkeys->setObjectName("hotkeys");
    hk_esc = addItem(hotkeys, "hk_esc", "Esc");
    hk_esc->setShortcut(QKeySequence(Qt::Key_Escape));
    hk_enter = addItem(hotkeys, "hk_enter", "Enter");
    hk_enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    for (QAction* a : {hk_esc, hk_enter}) {
        a->setEnabled(false);
        window->addAction(a);
    }
}

} // namespace kok::clock
