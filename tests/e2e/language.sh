#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop's language chooses the program's: started with LANG=en_US.UTF-8
# the popup menu and the Settings dialog speak English; with ru_RU.UTF-8 and
# with C (no language) they speak Russian. The texts are read as a screen
# reader reads them, through AT-SPI, on a private session bus.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
TEXTS=$E2E_TEXTS
e2e_start_a11y_bus

# read_texts FILE: what the clock's accessible objects say, into FILE.
# Debian's pyatspi is for the system's python, whatever python3 is first on PATH.
read_texts() { /usr/bin/python3 "$TEXTS" "$CLOCK_PID" >"$1" 2>/dev/null && [ -s "$1" ]; }
# has FILE TEXT: succeeds when an object is named exactly TEXT.
has() { cut -f2 "$1" | grep -qxF -- "$2"; }
# has_all FILE TEXT...: every TEXT is there.
has_all() {
    local file=$1 text
    shift
    for text in "$@"; do has "$file" "$text" || return 1; done
}
# missing FILE TEXT...: the TEXTs that are not there, for a message.
missing() {
    local file=$1 text
    shift
    for text in "$@"; do has "$file" "$text" || printf '"%s" ' "$text"; done
}
# The dialog's objects are read again until all are there: its pages are
# made as it first shows.
dialog_says_all() { read_texts "$1" && has_all "$@"; }

# check_language LANG MENU_TEXT... -- DIALOG_TEXT...: the menu and the
# dialog of a clock started with LANG name every text given.
check_language() {
    local lang=$1
    shift
    LANG=$lang e2e_start_clock "$APP"
    WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window with LANG=$lang"
    # A popup menu is not among the program's windows: its items are heard
    # as the keyboard walks them.
    local menu="$E2E_WORK/menu-$lang" dialog="$E2E_WORK/dialog-$lang"
    /usr/bin/python3 "$TEXTS" --focus "$CLOCK_PID" >"$menu" 2>"$menu.log" &
    local listener=$!
    E2E_PIDS+=($listener)
    e2e_wait_for 10 grep -q listening "$menu.log" || e2e_fail "no AT-SPI listener"
    local x y w h i
    read -r x y w h < <(e2e_geometry "$WIN")
    e2e_open_menu $((x + w / 2)) $((y + h / 2))
    for i in $(seq 14); do xdotool key Down; done
    local menu_texts=()
    while [ "$1" != -- ]; do
        menu_texts+=("$1")
        shift
    done
    shift
    e2e_wait_for 10 has_all "$menu" "${menu_texts[@]}" ||
        e2e_fail "LANG=$lang: the menu does not say $(missing "$menu" "${menu_texts[@]}")"
    e2e_shot "$SHOTS/language-menu-$lang.png"
    kill "$listener"
    xdotool key Escape
    e2e_wait_for 5 e2e_clock_alone || e2e_fail "LANG=$lang: the menu did not close"
    e2e_open_dialog
    e2e_wait_for 15 dialog_says_all "$dialog" "$@" ||
        e2e_fail "LANG=$lang: the dialog does not say $(missing "$dialog" "$@")"
    import -window "$DLG" "$SHOTS/language-dialog-$lang.png"
    kill "$CLOCK_PID"
    e2e_wait_for 10 e2e_ended "$CLOCK_PID" || e2e_fail "LANG=$lang: the clock did not end"
}

check_language en_US.UTF-8 \
    "Settings" "Choose skin" "Adjust date and time" "Snap to screen edges" "Alarms" "Timers" \
    "Hide for 10 seconds" "Hide for 60 seconds" "Restart" "About" "Quit" -- \
    "kOk DIAL TD ::: settings ::: general" "GENERAL" "ALARM" "COUNTDOWN" "STOPWATCH" "MESSAGE" \
    "SKINS" "EDITOR" "ABOUT" "OK" "CANCEL" "START WHEN I LOG IN" "ALWAYS ON TOP OF EVERYTHING"
# Nothing Russian is left in the English menu: no Cyrillic letter, whose
# UTF-8 bytes start with D0 or D1, whatever locales the machine has.
if LC_ALL=C grep -q $'[\xd0\xd1]' "$E2E_WORK/menu-en_US.UTF-8"; then
    e2e_fail "the English menu has Russian in it: $(LC_ALL=C grep $'[\xd0\xd1]' "$E2E_WORK/menu-en_US.UTF-8")"
fi

# The clock window gives the time it shows as its description.
awk -F'\t' '$2 == "kOk DIAL TD" && $3 ~ /^[0-9][0-9]:[0-9][0-9]:[0-9][0-9]$/ { found = 1 }
    END { exit !found }' "$E2E_WORK/dialog-en_US.UTF-8" ||
    e2e_fail "the clock window does not give the time: $(grep 'kOk DIAL TD' "$E2E_WORK/dialog-en_US.UTF-8")"

RUSSIAN_MENU=("Настройки" "Выбор темы интерфейса" "Корректировка даты и времени"
    "Использовать прилипание к краям экрана" "Будильники" "Таймеры" "Скрыть на 10 секунд"
    "Скрыть на 60 секунд" "Перезапуск" "Информация" "Выход")
# Captions drawn with "ЬI" are read with the letter they stand for, "Ы".
RUSSIAN_DIALOG=("kOk DIAL TD ::: настройки ::: параметры программы" "ПАРАМЕТРЫ" "БУДИЛЬНИК"
    "ОТСЧЕТ" "ТАЙМЕР" "СООБЩЕНИЕ" "ТЕМЫ" "РЕДАКТОР" "ИНФОРМАЦИЯ" "OK" "ОТМЕНА"
    "ЗАПУСКАТЬ С ОПЕРАЦИОННОЙ СИСТЕМОЙ" "АБСОЛЮТНЫЙ ПРИОРИТЕТ ВИДИМОСТИ")
check_language ru_RU.UTF-8 "${RUSSIAN_MENU[@]}" -- "${RUSSIAN_DIALOG[@]}"
check_language C "${RUSSIAN_MENU[@]}" -- "${RUSSIAN_DIALOG[@]}"
echo "language: English for en_US, Russian for ru_RU and C"
