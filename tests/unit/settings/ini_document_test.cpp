// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "settings/cp1251.h"
#include "settings/ini_document.h"
#include "settings/ini_integer.h"

using kok::settings::IniDocument;
using kok::settings::parseIniInteger;

TEST(IniDocument, LooksUpNamesWithoutRegardToCaseAndFirstOccurrenceWins) {
    const IniDocument doc("[kOk:TD]\r\nPosX=10\r\nposx=20\r\n[KOK:td]\r\nPosY=5\r\n");
    EXPECT_EQ(doc.value("KOK:TD", "POSX"), "10");
    // The second section of the same name is never consulted.
    EXPECT_EQ(doc.value("kOk:TD", "PosY"), std::nullopt);
    EXPECT_EQ(doc.value("missing", "PosX"), std::nullopt);
}

TEST(IniDocument, ReadsValuesTheWayTheWindowsRoutinesDo) {
    const IniDocument doc("  [ sec ] trailing\r\n"
                          "  a =  spaced value  \r\n"
                          "b=\"quoted \"\r\n"
                          "c='single'\r\n"
                          "d=\"unbalanced'\r\n"
                          "; e=comment\r\n"
                          "f=x;not a comment\r\n"
                          "g=a=b\r\n"
                          "just text\r\n"
                          "h=\r\n");
    EXPECT_EQ(doc.value("sec", "a"), "spaced value");
    EXPECT_EQ(doc.value("sec", "b"), "quoted ");
    EXPECT_EQ(doc.value("sec", "c"), "single");
    EXPECT_EQ(doc.value("sec", "d"), "\"unbalanced'");
    EXPECT_EQ(doc.value("sec", "; e"), std::nullopt);
    EXPECT_EQ(doc.value("sec", "e"), std::nullopt);
    EXPECT_EQ(doc.value("sec", "f"), "x;not a comment");
    EXPECT_EQ(doc.value("sec", "g"), "a=b");
    EXPECT_EQ(doc.value("sec", "h"), "");
}

TEST(IniDocument, SectionNameEndsAtFirstBracket) {
    const IniDocument doc("[rect.time]]x\r\nl=1\r\n[open\r\nk=2\r\n");
    EXPECT_EQ(doc.value("rect.time", "l"), "1");
    EXPECT_EQ(doc.value("open", "k"), "2");
}

TEST(IniDocument, CyrillicNamesCompareWithoutCase) {
    // "Раздел" / "РАЗДЕЛ" in Windows-1251.
    const IniDocument doc("[\xD0\xe0\xe7\xe4\xe5\xeb]\r\nk=1\r\n");
    EXPECT_EQ(doc.value("\xD0\xC0\xC7\xC4\xC5\xCB", "K"), "1");
}

TEST(IniDocument, EditsChangeOnlyTheirOwnLine) {
    const std::string original = "; my settings\r\n"
                                 "\r\n"
                                 "[kOk:TD]\r\n"
                                 "PosX=10\r\n"
                                 "  ; a note\r\n"
                                 "PosY=20\r\n"
                                 "\r\n"
                                 "[kOk:TD:Hour]\r\n"
                                 "Use=1\r\n";
    IniDocument doc(original);

    doc.set("KOK:TD", "posx", "11");
    EXPECT_EQ(doc.bytes(), "; my settings\r\n\r\n[kOk:TD]\r\nposx=11\r\n  ; a note\r\nPosY=20\r\n"
                           "\r\n[kOk:TD:Hour]\r\nUse=1\r\n");

    doc.set("kOk:TD", "Magnet", "0"); // new key: after the last entry, before the blank line
    EXPECT_EQ(doc.bytes(), "; my settings\r\n\r\n[kOk:TD]\r\nposx=11\r\n  ; a note\r\nPosY=20\r\n"
                           "Magnet=0\r\n\r\n[kOk:TD:Hour]\r\nUse=1\r\n");

    doc.set("kOk:TD:Skins", "XP_SkinName", "def"); // new section at the end
    EXPECT_EQ(doc.bytes(), "; my settings\r\n\r\n[kOk:TD]\r\nposx=11\r\n  ; a note\r\nPosY=20\r\n"
                           "Magnet=0\r\n\r\n[kOk:TD:Hour]\r\nUse=1\r\n"
                           "[kOk:TD:Skins]\r\nXP_SkinName=def\r\n");

    doc.remove("KOK:TD", "posy");
    doc.remove("kOk:TD", "Missing");
    EXPECT_EQ(doc.bytes(), "; my settings\r\n\r\n[kOk:TD]\r\nposx=11\r\n  ; a note\r\n"
                           "Magnet=0\r\n\r\n[kOk:TD:Hour]\r\nUse=1\r\n"
                           "[kOk:TD:Skins]\r\nXP_SkinName=def\r\n");
}

TEST(IniDocument, EditsFilesWithoutFinalLineBreakOrWithBareLineFeeds) {
    IniDocument doc("[a]\nk=1");
    doc.set("a", "n", "2");
    EXPECT_EQ(doc.bytes(), "[a]\nk=1\r\nn=2\r\n");
    doc.set("b", "x", "3");
    EXPECT_EQ(doc.bytes(), "[a]\nk=1\r\nn=2\r\n[b]\r\nx=3\r\n");

    IniDocument bare("[a]\nk=1\n[c]\nz=9");
    bare.set("a", "k", "5");
    bare.set("c", "y", "8");
    EXPECT_EQ(bare.bytes(), "[a]\nk=5\n[c]\nz=9\r\ny=8\r\n");
}

TEST(IniDocument, ALoneCarriageReturnAtTheEndIsCompletedBeforeAdding) {
    IniDocument doc("[a]\r\nk=1\r");
    doc.set("a", "n", "2");
    EXPECT_EQ(doc.bytes(), "[a]\r\nk=1\r\nn=2\r\n");
    EXPECT_EQ(doc.value("a", "k"), "1");
    IniDocument other("[a]\r\nk=1\r");
    other.set("b", "x", "3");
    EXPECT_EQ(other.bytes(), "[a]\r\nk=1\r\n[b]\r\nx=3\r\n");
    EXPECT_EQ(other.value("a", "k"), "1");
}

TEST(IniDocument, ValuesCannotInjectLines) {
    IniDocument doc;
    doc.set("kOk:TD:Alarms", "0_Message", "hi\r\n[kOk:TD]\r\nPosX=-5000");
    EXPECT_EQ(doc.value("kOk:TD", "PosX"), std::nullopt);
    EXPECT_EQ(doc.value("kOk:TD:Alarms", "0_Message"), "hi  [kOk:TD]  PosX=-5000");
}

TEST(IniDocument, EveryWrittenValueReadsBackAsItWas) {
    IniDocument doc;
    for (const std::string v :
         {"\"/home/u/My Apps/run.sh\" --now", "\"/opt/a b/c\"", "'x'", "  padded  ", " lead",
          "trail ", "\"", "'", "\"\"", "a\"b", "plain", ""}) {
        doc.set("s", "k", v);
        EXPECT_EQ(doc.value("s", "k"), v) << v;
    }
    doc.set("s", "k", "plain");
    EXPECT_EQ(doc.bytes(), "[s]\r\nk=plain\r\n") << "ordinary values are written as they are";
    doc.set("s", "k", " x ");
    EXPECT_EQ(doc.bytes(), "[s]\r\nk=\" x \"\r\n");
}

TEST(IniDocument, ListsSectionsAndKeysOnce) {
    const IniDocument doc("[s]\r\nb=1\r\na=2\r\nB=3\r\n;c=4\r\n [ t ] x\r\n[S]\r\nz=1\r\n");
    EXPECT_EQ(doc.keys("s"), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(doc.sections(), (std::vector<std::string>{"s", "t"}));
}

TEST(IniInteger, DecimalHexAndGarbage) {
    EXPECT_EQ(parseIniInteger("42"), 42);
    EXPECT_EQ(parseIniInteger("-7"), -7);
    EXPECT_EQ(parseIniInteger("+7"), 7);
    EXPECT_EQ(parseIniInteger("0x10"), 16);
    EXPECT_EQ(parseIniInteger("0XfF"), 255);
    EXPECT_EQ(parseIniInteger("$FF"), 255);
    EXPECT_EQ(parseIniInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(parseIniInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseIniInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseIniInteger("010"), 10);
    for (const char* bad : {"", "abc", "0x", "12a", " 1", "1 ", "2147483648", "-2147483649",
                            "0x123456789", "$", "--1", "0x-1", "1.5"})
        EXPECT_EQ(parseIniInteger(bad), std::nullopt) << bad;
}

// What the file's code page cannot hold is named, each character once; what
// it can (every byte's character, the '?' typed and the U+0098 control) is not.
TEST(Cp1251, NamesOnlyTheCharactersItCannotHold) {
    using kok::settings::cp1251ToUtf8;
    using kok::settings::cp1251Unstorable;
    EXPECT_EQ(cp1251Unstorable("Café ☕ Ёж? №€\u0098 ☕ 🍵é"), "é☕🍵");
    for (int b = 1; b < 256; ++b) {
        const std::string one = cp1251ToUtf8(std::string(1, char(b)));
        EXPECT_EQ(cp1251Unstorable(one), "") << b;
    }
}
