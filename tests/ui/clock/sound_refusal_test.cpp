// SPDX-License-Identifier: GPL-3.0-or-later
// A sound file over the size limit, set for an alarm, the countdown or the
// hourly chime, plays the default sound, and the Message bar says why.

#include <QLabel>
#include <QtTest>
#include <filesystem>

#include "alarms/event_firing.h"
#include "platform/sound_file.h"
#include "platform/tick_timer.h"
#include "platform/wave_data.h"
#include "settings/settings_file.h"
#include "signals/message_bar.h"
#include "signals/wave_playback.h"
#include "support/clock_window_inside.h"
#include "support/composed_clock.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/temp_dir.h"
#include "support/test_clock.h"
#include "support/time_zone.h"
#include "unit/signals/capture_sound_device.h"

using kok::test::inside;

namespace {

// A short clip of 800 frames, as a wave file.
std::string shortWave() {
    kok::platform::PcmClip clip{8000, 1, kok::platform::SampleFormat::S16, {}};
    clip.bytes.assign(800 * 2, 0x10);
    const auto bytes = kok::platform::makeWave(clip);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

class SoundRefusalTest : public QObject {
    Q_OBJECT

  private slots:
    void aFileOverTheLimitPlaysTheDefaultAndTheBarSaysWhy_data() {
        QTest::addColumn<int>("event"); // -1: the hourly chime
        QTest::addColumn<bool>("overLimit");
        QTest::newRow("alarm") << 2 << true;
        QTest::newRow("countdown") << 10 << true;
        QTest::newRow("hourly chime") << -1 << true;
        QTest::newRow("alarm, file within the limit") << 2 << false;
    }

    void aFileOverTheLimitPlaysTheDefaultAndTheBarSaysWhy() {
        QFETCH(int, event);
        QFETCH(bool, overLimit);
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 9, 9, 59, 59);
        const std::filesystem::path file = folder.path() / "big.wav";
        kok::test::writeBytes(file, shortWave());
        // Sparse, as `truncate -s` makes it: no disk is spent on it.
        if (overLimit) std::filesystem::resize_file(file, kok::platform::kMaxSoundFileBytes + 1);
        const std::string path = file.string();
        kok::test::writeBytes(
            kok::settings::settingsFilePath(),
            "[kOk:TD:Alarms]\r\n2_Sound=1\r\n2_Beep=0\r\n2_Message=WAKE UP\r\n"
            "2_File=" +
                path +
                "\r\n[kOk:TD:Timer]\r\nSound=1\r\nBeep=0\r\nMessage=TEA\r\n"
                "File=" +
                path + "\r\n[kOk:TD:Hour]\r\nUse=1\r\nWave=1\r\nBeep=0\r\nFile=" + path + "\r\n");
        kok::test::CaptureSoundDevice device;
        kok::test::ComposedClock w("");
        w.show();
        auto* panel = part<QLabel>(w, "p_messager");
        auto* tick = part<kok::platform::TickTimer>(w, "tt_time");

        if (event >= 0) {
            w.parts().firing().FireEvent(event, false);
        } else {
            QVERIFY(QMetaObject::invokeMethod(tick, "timeout"));
            clock.set(2026, 12, 9, 10, 0, 0);
            QVERIFY(QMetaObject::invokeMethod(tick, "timeout"));
        }
        kok::test::settleSound();
        QVERIFY(inside(w).messageBar().showing());
        const QString text = panel->text();
        const QString message = event == 2 ? "WAKE UP" : event == 10 ? "TEA" : "";
        QVERIFY2(text.startsWith(message), qPrintable(text));
        QCOMPARE(text.contains("big.wav") && text.contains("64"), overLimit);
        QVERIFY(!device.clips.empty());
        const auto defaultSound = kok::signal::embeddedClip(kok::signal::EmbeddedClip::Default);
        QCOMPARE(device.clips.back().clip == defaultSound, overLimit);
        if (!overLimit) QCOMPARE(device.clips.back().clip->frames(), 800u);
        inside(w).messageBar().p_messagerClick();

        if (event < 0) {
            // Said once: the next hour plays the default sound without a bar.
            const std::size_t played = device.clips.size();
            clock.set(2026, 12, 9, 11, 0, 0);
            QVERIFY(QMetaObject::invokeMethod(tick, "timeout"));
            kok::test::settleSound();
            QVERIFY(!inside(w).messageBar().showing());
            QCOMPARE(device.clips.size(), played + 1);
            QCOMPARE(device.clips.back().clip, defaultSound);
        }
    }
};

KOK_QT_TEST(SoundRefusalTest);
#include "sound_refusal_test.moc"
