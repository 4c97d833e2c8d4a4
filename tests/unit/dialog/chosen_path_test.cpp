// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog/chosen_path.h"
#include "platform/process.h"
#include "settings/ini_file.h"
#include "support/temp_dir.h"

using kok::dialog::FileKind;

// A chosen file is either refused, naming the characters its field cannot
// give back, or stored so that, written to the Settings file and read back,
// it names that same file: a program's path runs as that one program, a
// sound's path is the path itself.
TEST(ChosenPath, StoredSoThatItReadsBackAsTheSameFileElseRefused) {
    const struct {
        FileKind kind;
        std::string chosen;
        std::string stored;  // empty: refused
        std::string refused; // the characters named
    } cases[] = {
        {FileKind::Program, "/home/u/My Tools/run.sh", "\"/home/u/My Tools/run.sh\"", ""},
        {FileKind::Program, "/home/u/Рабочий стол/clock", "\"/home/u/Рабочий стол/clock\"", ""},
        {FileKind::Program, "/home/u/tab\there", "", "\t"},
        {FileKind::Program, "/home/u/trailing ", "\"/home/u/trailing \"", ""},
        {FileKind::Program, "/usr/bin/xclock", "/usr/bin/xclock", ""},
        {FileKind::Program, "/home/u/it's (new)/x", "\"/home/u/it's (new)/x\"", ""},
        {FileKind::Program, "/home/u/it's(new)/$x", "/home/u/it's(new)/$x", ""},
        {FileKind::Program, "/tmp/new\nline", "", "\n"},
        {FileKind::Program, "/tmp/back\\slash\\x", "", "\\"},
        {FileKind::Program, "/tmp/a\"b c/\"x\"", "", "\""},
        {FileKind::Program, "/tmp/cr\r\\\n", "", "\r\\\n"},
        {FileKind::Wave, "/home/u/My Sounds/ring.wav", "/home/u/My Sounds/ring.wav", ""},
        {FileKind::Wave, "/home/u/a\"b.wav", "/home/u/a\"b.wav", ""},
        {FileKind::Wave, "/home/u/a\\b.wav", "", "\\"},
        {FileKind::Wave, "/home/u/a\nb.wav", "", "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(kok::dialog::unstorablePathCharacters(c.kind, c.chosen), c.refused);
        if (!c.refused.empty()) continue;
        const std::string stored = kok::dialog::storedChosenPath(c.kind, c.chosen);
        EXPECT_EQ(stored, c.stored);
        const kok::test::TempDir dir;
        kok::settings::IniFile file(dir / "kOkTD.KiF");
        file.writeString("kOk:TD:Alarm", "0_App", stored);
        const std::string readBack = file.readString("kOk:TD:Alarm", "0_App", "");
        if (c.kind == FileKind::Program) {
            EXPECT_EQ(kok::platform::commandLineWords(readBack),
                      std::vector<std::string>{c.chosen});
        } else {
            EXPECT_EQ(readBack, c.chosen);
        }
        EXPECT_EQ(kok::dialog::pathInField(c.kind, readBack), c.chosen);
    }
    // A typed command line keeps its meaning: a program and its arguments.
    EXPECT_EQ(kok::platform::commandLineWords("xdg-open https://www.example.org/"),
              (std::vector<std::string>{"xdg-open", "https://www.example.org/"}));
    EXPECT_EQ(kok::dialog::pathInField(FileKind::Program, "xdg-open https://www.example.org/"),
              "xdg-open");
}
