// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "skin/builtin_skins.h"
#include "skin/font_height.h"
#include "skin/skin_description.h"

using namespace kok::skin;

TEST(FontHeightFromSize, FollowsTheTable) {
    const std::pair<int, int> table[] = {{-3, 2},     {0, -1},  {4, -5},   {5, -7},
                                         {7, -9},     {8, -11}, {10, -13}, {12, -16},
                                         {100, -133}, {101, 0}, {120, 0}};
    for (auto [size, height] : table)
        EXPECT_EQ(FontHeightFromSize(size), height) << "size " << size;
}

TEST(SkinDescription, MissingSectionsGiveTheDefaults) {
    const SkinDescription d = parseSkinDescription("[info]\r\nname=x\r\n");
    EXPECT_EQ(d.formW, 250);
    EXPECT_EQ(d.formH, 250);
    EXPECT_EQ(d.type, 0);
    EXPECT_EQ(d.ding, SkinRect{});
    EXPECT_EQ(d.time.font.color, 16777215);
    EXPECT_EQ(d.time.font.face, "MS Sans Serif");
    EXPECT_EQ(d.time.font.pixelHeight(), -11);
    EXPECT_EQ(d.time.font.charset, 1);
    EXPECT_EQ(d.time.font.bold, 0);
    EXPECT_EQ(d.support, "88.8") << "a missing version is never the supported one";
}

TEST(SkinDescription, ColoursHeightsAndFaceNames) {
    const SkinDescription d = parseSkinDescription(
        "[rect.time]\r\nc=0xFF\r\nz=0\r\ns=8\r\nf=" + std::string(40, 'A') +
        "\r\n[RECT.TIMER]\r\nC=$FF\r\nZ=-15\r\nS=30\r\n[rect.form]\r\nw=$7D\r\nh=oops\r\n"
        "[rect.ding]\r\nl=-3\r\n[rect.settings]\r\nc=red\r\n");
    EXPECT_EQ(d.time.font.color, 0xFF); // red lives in the low byte
    EXPECT_EQ(d.timer.font.color, 0xFF);
    EXPECT_EQ(d.time.font.pixelHeight(), -11);
    EXPECT_EQ(d.timer.font.pixelHeight(), -15);
    EXPECT_EQ(d.time.font.face, std::string(31, 'A'));
    EXPECT_EQ(d.formW, 125);
    EXPECT_EQ(d.formH, 250);
    EXPECT_EQ(d.ding.l, -3);

    EXPECT_EQ(parseSkinDescription("[rect.time]\r\nc=white\r\n").time.font.color, 16777215);
    EXPECT_EQ(parseSkinDescription("[rect.time]\r\ns=120\r\n").time.font.pixelHeight(), 0);
}

TEST(SkinDescription, CyrillicFaceIsCutByCharacters) {
    // 40 Cyrillic letters in Windows-1251 are 40 bytes; 31 remain, as UTF-8.
    const SkinDescription d =
        parseSkinDescription("[rect.time]\r\nf=" + std::string(40, '\xC0') + "\r\n");
    std::string expected;
    for (int i = 0; i < 31; ++i)
        expected += "А";
    EXPECT_EQ(d.time.font.face, expected);
}

TEST(SkinDescription, WriterProducesTheFixedOrderInWindows1251) {
    SkinDescription d;
    d.support = "09.0";
    d.type = 1;
    d.name = "Синяя";
    d.version = "2";
    d.author = "a";
    d.mail = "m";
    d.web = "w";
    d.generator = "KTD.5.10.0.internal.2.0";
    d.formW = 125;
    d.formH = 28;
    d.time = {{25, 1, 51, 13}, {16777215, "MS Sans Serif", 8, -11, 1, 1}};
    d.timer = {{43, 12, 43, 11}, {255, "Small Fonts", 7, -9, 204, 0}};
    d.ding = {80, 2, 11, 11};
    d.settings = {92, 3, 19, 19};
    d.close = {112, 2, 11, 11};
    const std::string expected =
        ";kOk DIAL TD skin file\r\n\r\n"
        "[info]\r\nsupport=09.0\r\nanimated=1\r\ntype=1\r\nname=\xD1\xE8\xED\xFF\xFF\r\n"
        "version=2\r\nauthor=a\r\nmail=m\r\nweb=w\r\ngenerator=KTD.5.10.0.internal.2.0\r\n"
        "[rect.form]\r\nw=125\r\nh=28\r\n"
        "[rect.time]\r\nw=51\r\nh=13\r\nl=25\r\nt=1\r\nc=16777215\r\nf=MS Sans Serif\r\n"
        "s=8\r\nz=-11\r\nk=1\r\nb=1\r\n"
        "[rect.timer]\r\nw=43\r\nh=11\r\nl=43\r\nt=12\r\nc=255\r\nf=Small Fonts\r\n"
        "s=7\r\nz=-9\r\nk=204\r\nb=0\r\n"
        "[rect.ding]\r\nw=11\r\nh=11\r\nl=80\r\nt=2\r\n"
        "[rect.settings]\r\nw=19\r\nh=19\r\nl=92\r\nt=3\r\n"
        "[rect.close]\r\nw=11\r\nh=11\r\nl=112\r\nt=2\r\n";
    const std::string written = formatSkinDescription(d);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(parseSkinDescription(written), d);
}

// A line break inside a text would let it write keys of its own.
TEST(SkinDescription, WrittenTextsStayOnTheirLine) {
    SkinDescription d;
    d.name = "Blue\r\n[rect.form]\r\nw=1";
    d.time.font.face = "X\nY";
    const SkinDescription back = parseSkinDescription(formatSkinDescription(d));
    EXPECT_EQ(back.formW, 250);
    EXPECT_EQ(back.name, "Blue  [rect.form]  w=1");
    EXPECT_EQ(back.time.font.face, "X Y");
}

TEST(BuiltinSkins, DescriptionsHoldTheirTables) {
    const auto def = parseSkinDescription(builtinSkinDescription("def").toStdString());
    EXPECT_EQ(def.name, "Default");
    EXPECT_EQ(def.type, 0);
    EXPECT_EQ(std::pair(def.formW, def.formH), std::pair(126, 18));
    EXPECT_EQ(def.time.rect, (SkinRect{27, 2, 51, 13}));
    EXPECT_EQ(def.settings, (SkinRect{80, 0, 16, 18}));
    EXPECT_EQ(def.close, (SkinRect{96, 0, 16, 18}));
    EXPECT_EQ(def.ding, (SkinRect{15, 0, 11, 18}));

    const auto ext = parseSkinDescription(builtinSkinDescription("ext").toStdString());
    EXPECT_EQ(ext.name, "Extended");
    EXPECT_EQ(ext.version, "1.1");
    EXPECT_EQ(ext.type, 1);
    EXPECT_EQ(std::pair(ext.formW, ext.formH), std::pair(125, 28));
    EXPECT_EQ(ext.timer.rect, (SkinRect{43, 12, 43, 11}));
    EXPECT_EQ(ext.timer.font.face, "Small Fonts");
    EXPECT_EQ(ext.timer.font.pixelHeight(), -9);
    EXPECT_EQ(ext.timer.font.bold, 1);
    // Only exactly "ext" picks the extended description.
    EXPECT_EQ(builtinSkinDescription("EXT"), builtinSkinDescription("def"));
}

TEST(BuiltinSkins, PicturesAreFoundWithoutRegardToCase) {
    const auto a = builtinSkinResource("ext_timer_at");
    const auto b = builtinSkinResource("EXT_TIMER_AT");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(*a, *b);
    EXPECT_TRUE(a->startsWith("BM"));
    EXPECT_FALSE(builtinSkinResource("blue_face"));
    EXPECT_FALSE(builtinSkinResource("ext_face.bmp"));
}
