// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "dialog/skin_editor_model.h"
#include "platform/file_io.h"
#include "skin/skin_description.h"
#include "support/temp_dir.h"

using namespace kok::dialog;
using kok::skin::SkinRect;
using kok::test::TempDir;

namespace {

// A 24-bit bitmap file of w x h grey pixels.
std::string bmp(int w, int h) {
    const int row = (w * 3 + 3) / 4 * 4;
    std::string f(54, '\0');
    auto put = [&](std::size_t at, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            f[at + std::size_t(i)] = char(v >> (8 * i));
    };
    f[0] = 'B';
    f[1] = 'M';
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, std::uint32_t(w), 4);
    put(22, std::uint32_t(h), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    f.append(std::size_t(row * h), '\x80');
    put(2, std::uint32_t(f.size()), 4);
    return f;
}

// Each holder gets its own size so that a mix-up shows.
PictureSize sizeOf(SkinPicture p) {
    const int i = int(p);
    return i < 2 ? PictureSize{120, 30} : PictureSize{10 + i, 20 - i};
}

void writeFolder(const TempDir& dir, SkinPicture leaveOut) {
    for (int i = 0; i < kSkinPictureCount; ++i) {
        const auto p = SkinPicture(i);
        if (p != leaveOut)
            kok::test::writeBytes(dir / pictureFileName(p), bmp(sizeOf(p).w, sizeOf(p).h));
    }
}

// Text of a font as wide as four times its height, as a stand-in for a label.
SkinEditorModel makeModel() {
    return SkinEditorModel([](const EditorFont& f) {
        return PictureSize{-4 * f.font.height, 2 - f.font.height};
    });
}

// A complete skin: every picture, information, places and fonts.
SkinEditorModel completeSkin() {
    SkinEditorModel m = makeModel();
    m.startNew();
    for (int i = kSkinPictureCount - 1; i >= 0; --i)
        m.loadPicture(SkinPicture(i), bmp(sizeOf(SkinPicture(i)).w, sizeOf(SkinPicture(i)).h));
    m.info = {"Автор", "Тема", "2.5", "a@b.c", "http://x"};
    m.setField(EditorObject::TimerButton, SkinEditorModel::Field::X, 70);
    m.setField(EditorObject::TimerButton, SkinEditorModel::Field::Y, 3);
    m.setField(EditorObject::SettingsButton, SkinEditorModel::Field::X, 85);
    m.setField(EditorObject::CloseButton, SkinEditorModel::Field::X, 300); // kept at 250
    EditorFont f = m.font(SkinEditorModel::Indicator::Time);
    f.font.face = "DejaVu Sans";
    f.font.bold = 1;
    f.setPointSize(9);
    m.setFont(SkinEditorModel::Indicator::Time, f);
    m.setField(EditorObject::TimeIndicator, SkinEditorModel::Field::X, 4);
    m.setColor(SkinEditorModel::Indicator::Timer, 0xFF);
    return m;
}

} // namespace

TEST(SkinEditorModel, SavingNeedsAllTwelvePicturesInAnyOrder) {
    SkinEditorModel m = makeModel();
    m.startNew();
    EXPECT_FALSE(m.loadPicture(SkinPicture::Face, "not a bitmap"));
    EXPECT_FALSE(m.loadPicture(SkinPicture::Face, bmp(0, 5))); // no width
    EXPECT_FALSE(m.picture(SkinPicture::Face).loaded);
    const int order[] = {11, 3, 0, 7, 1, 9, 5, 2, 10, 4, 8, 6};
    for (int i : order) {
        EXPECT_FALSE(m.complete());
        EXPECT_TRUE(m.loadPicture(SkinPicture(i), bmp(4, 3)));
    }
    EXPECT_TRUE(m.complete());
    m.startNew();
    EXPECT_FALSE(m.complete());
}

TEST(SkinEditorModel, NamesAndFileNames) {
    const std::pair<const char*, bool> names[] = {{"Default", true},
                                                  {"Extended", true},
                                                  {"default", false},
                                                  {"EXTENDED", false},
                                                  {"Default ", false}};
    for (const auto& [name, reserved] : names)
        EXPECT_EQ(isReservedSkinName(name), reserved) << name;
    const std::pair<const char*, bool> files[] = {{"skin.ksf", true},   {"SKIN.KSF", true},
                                                  {"Skin.Ksf", true},   {"skin.ksf2", false},
                                                  {"other.ksf", false}, {"", false}};
    for (const auto& [name, accepted] : files)
        EXPECT_EQ(isSkinFileName(name), accepted) << name;
}

TEST(SkinEditorModel, SavedSkinOpensAsItWas) {
    TempDir dir;
    const SkinEditorModel saved = completeSkin();
    ASSERT_TRUE(saved.save(dir.path()));
    SkinEditorModel opened = makeModel();
    ASSERT_EQ(opened.open(dir / "skin.ksf"), SkinEditorModel::OpenResult::Opened);
    EXPECT_TRUE(opened.complete());
    EXPECT_EQ(opened.info, saved.info);
    EXPECT_TRUE(opened.extended);
    for (int o = 0; o < kEditorObjectCount - 1; ++o)
        EXPECT_EQ(opened.objectRect(EditorObject(o)), saved.objectRect(EditorObject(o))) << o;
    // The timer indicator kept the size New gave it; it comes back with the
    // size of its text.
    EXPECT_EQ(saved.objectRect(EditorObject::TimerIndicator), (SkinRect{60, 20, 51, 13}));
    EXPECT_EQ(opened.objectRect(EditorObject::TimerIndicator), (SkinRect{60, 20, 44, 13}));
    EXPECT_EQ(opened.objectRect(EditorObject::CloseButton).l, 250);
    EXPECT_EQ(opened.font(SkinEditorModel::Indicator::Time),
              saved.font(SkinEditorModel::Indicator::Time));
    EXPECT_EQ(opened.font(SkinEditorModel::Indicator::Timer).font.color, 0xFF);
    for (int i = 0; i < kSkinPictureCount; ++i)
        EXPECT_EQ(kok::test::readBytes(dir / pictureFileName(SkinPicture(i))),
                  saved.picture(SkinPicture(i)).bytes);
}

TEST(SkinEditorModel, OnlyABoldFontWithNoOtherStyleSavesBold) {
    struct Case {
        bool bold, italic, underline;
        int b;
    };
    for (const Case c : {Case{true, false, false, 1}, Case{true, true, false, 0},
                         Case{true, false, true, 0}, Case{false, true, false, 0}}) {
        SkinEditorModel m = completeSkin();
        EditorFont f = m.font(SkinEditorModel::Indicator::Timer);
        f.font.bold = c.bold;
        f.italic = c.italic;
        f.underline = c.underline;
        m.setFont(SkinEditorModel::Indicator::Timer, f);
        EXPECT_EQ(m.description().timer.font.bold, c.b);
    }
}

TEST(SkinEditorModel, SavedDescriptionByteForByte) {
    TempDir dir;
    SkinEditorModel m = completeSkin();
    m.extended = false;                        // the second indicator is still written
    m.showState(EditorObject::TimerButton, 3); // sizes of the picture shown
    ASSERT_TRUE(m.save(dir.path()));
    const std::string expected =
        ";kOk DIAL TD skin file\r\n\r\n"
        "[info]\r\nsupport=09.0\r\nanimated=1\r\ntype=0\r\nname=\xD2\xE5\xEC\xE0\r\n"
        "version=2.5\r\nauthor=\xC0\xE2\xF2\xEE\xF0\r\nmail=a@b.c\r\nweb=http://x\r\n"
        "generator=KTD.5.10.0.internal.2.0\r\n"
        "[rect.form]\r\nw=120\r\nh=30\r\n"
        "[rect.time]\r\nw=48\r\nh=14\r\nl=4\r\nt=5\r\nc=32768\r\nf=DejaVu Sans\r\ns=9\r\n"
        "z=-12\r\nk=1\r\nb=1\r\n"
        "[rect.timer]\r\nw=51\r\nh=13\r\nl=60\r\nt=20\r\nc=255\r\nf=MS Sans Serif\r\ns=8\r\n"
        "z=-11\r\nk=1\r\nb=0\r\n"
        "[rect.ding]\r\nw=15\r\nh=15\r\nl=70\r\nt=3\r\n"
        "[rect.settings]\r\nw=16\r\nh=14\r\nl=85\r\nt=0\r\n"
        "[rect.close]\r\nw=19\r\nh=11\r\nl=250\r\nt=0\r\n";
    EXPECT_EQ(kok::test::readBytes(dir / "skin.ksf"), expected);
}

TEST(SkinEditorModel, OpeningStopsAtAMissingPicture) {
    TempDir dir;
    writeFolder(dir, SkinPicture::CloseDn);
    kok::test::writeBytes(dir / "skin.ksf", "[info]\r\nname=Default\r\ntype=0\r\n");
    SkinEditorModel m = makeModel();
    EXPECT_EQ(m.open(dir / "skin.ksf"), SkinEditorModel::OpenResult::PictureFailed);
    int loaded = 0;
    for (int i = 0; i < kSkinPictureCount; ++i)
        loaded += m.picture(SkinPicture(i)).loaded;
    EXPECT_EQ(loaded, 11);
    EXPECT_FALSE(m.complete());
    EXPECT_EQ(m.info.name, "новая тема"); // the description is not read

    writeFolder(dir, SkinPicture(-1));
    EXPECT_EQ(m.open(dir / "skin.ksf"), SkinEditorModel::OpenResult::Opened);
    EXPECT_EQ(m.info.name, "Default"); // a built-in skin's name may be opened
    EXPECT_EQ(m.info.version, "1.0");  // missing keys give the new skin's texts
    EXPECT_FALSE(m.extended);
    // The indicators take the size of their text in the default font (8 points, -11).
    EXPECT_EQ(m.objectRect(EditorObject::TimeIndicator), (SkinRect{0, 0, 44, 13}));
}
