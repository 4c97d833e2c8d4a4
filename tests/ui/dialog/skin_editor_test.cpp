// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <filesystem>

#include "app/language_choice.h"
#include "clock/clock_window.h"
#include "dialog/dialog_font.h"
#include "dialog/skin_editor_page.h"
#include "settings/autostart.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "skin/form_shaper.h"
#include "skin/skin_loader.h"
#include "support/composed_clock.h"
#include "support/form_part.h"
#include "support/message_catcher.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/scoped_language.h"
#include "support/scripted_answers.h"

using kok::dialog::SkinEditorPage;
namespace fs = std::filesystem;
namespace skins = kok::settings::skins;

namespace {

struct TestPicture {
    const char* name;
    QSize size;
    QColor color;
};

// Sizes of a skin a little larger than the built-in ones.
const TestPicture kPictures[] = {
    {"face", {150, 40}, QColor(40, 60, 90)},      {"mask", {150, 40}, Qt::black},
    {"timer_of", {12, 12}, QColor(200, 0, 0)},    {"timer_at", {12, 12}, QColor(210, 0, 0)},
    {"timer_dn", {12, 12}, QColor(220, 0, 0)},    {"timer_on", {12, 12}, QColor(230, 0, 0)},
    {"settings_of", {18, 16}, QColor(0, 200, 0)}, {"settings_on", {18, 16}, QColor(0, 210, 0)},
    {"settings_dn", {18, 16}, QColor(0, 220, 0)}, {"close_of", {14, 14}, QColor(0, 0, 200)},
    {"close_on", {14, 14}, QColor(0, 0, 210)},    {"close_dn", {14, 14}, QColor(0, 0, 220)}};

// The holder each picture goes to: object and state of the editor's lists.
struct Slot {
    int object, state;
};
const Slot kSlots[] = {{1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3},
                       {4, 0}, {4, 1}, {4, 2}, {5, 0}, {5, 1}, {5, 2}};

// The twelve pictures as BMP files; the mask is 1 bit deep with its right
// column cut away, as the shaper wants it.
void writePictures(const QString& folder) {
    for (const TestPicture& p : kPictures) {
        const bool mask = QLatin1String(p.name) == QLatin1String("mask");
        QImage image(p.size, mask ? QImage::Format_Mono : QImage::Format_RGB32);
        if (mask) {
            image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
            image.fill(0);
            for (int y = 0; y < image.height(); ++y)
                image.setPixel(image.width() - 1, y, 1);
        } else {
            image.fill(p.color);
            image.setPixelColor(0, 0, Qt::white); // so that no picture is one flat colour
        }
        QVERIFY(image.save(folder + "/" + p.name + ".bmp", "BMP"));
    }
}

void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// The font the last font chooser opened on.
QFont lastOffered(const kok::test::ScriptedAnswers& answers) {
    QFont offered;
    for (const kok::test::Asked& a : answers.asked)
        if (a.kind == "font") offered.fromString(a.text);
    return offered;
}

} // namespace

class SkinEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        folder_ = std::make_unique<kok::test::ProgramFolder>();
        page_ = std::make_unique<SkinEditorPage>();
        page_->setFont(kok::dialog::dialogFont(page_->font()));
        answers_ = std::make_unique<kok::test::ScriptedAnswers>();
    }
    void cleanup() {
        page_.reset();
        answers_.reset();
        folder_.reset();
    }

    // Every control lies inside its group and its group inside the page, no
    // two overlap, and every caption fits its control in the dialog's font.
    void layoutFitsThePage() {
        page_->show();
        for (QGroupBox* group : page_->findChildren<QGroupBox*>()) {
            QVERIFY2(QRect(0, 0, 460, 220).contains(group->geometry()),
                     qPrintable(group->objectName()));
            QVERIFY(group->fontMetrics().horizontalAdvance(group->title()) < group->width() - 12);
            const auto kids = group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* a : kids) {
                const int top = group->title().isEmpty() ? 2 : 10;
                QVERIFY2(QRect(2, top, group->width() - 4, group->height() - top - 1)
                             .contains(a->geometry()),
                         qPrintable(a->objectName()));
                for (QWidget* b : kids)
                    QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + " " + b->objectName()));
                QString text;
                int padding = 0; // what the control needs beside its text
                if (auto* l = qobject_cast<QLabel*>(a)) text = l->text();
                if (auto* b = qobject_cast<QPushButton*>(a)) text = b->text(), padding = 6;
                if (auto* c = qobject_cast<QCheckBox*>(a)) text = c->text(), padding = 20;
                QVERIFY2(a->fontMetrics().horizontalAdvance(text) + padding <= a->width(),
                         qPrintable(a->objectName()));
            }
            for (QGroupBox* other : page_->findChildren<QGroupBox*>())
                QVERIFY(group == other || !group->geometry().intersects(other->geometry()));
        }
        // The widest caption a field shows while editing.
        auto* file = part<QLabel>(*page_, "p_file");
        QVERIFY(file->fontMetrics().horizontalAdvance("[ ФАЙЛ  НЕ  ЗАГРУЖЕН ]") <
                file->width() - 4);
        QVERIFY(part<QWidget>(*page_, "z_preview")->size().boundedTo({250, 120}) ==
                QSize(250, 120));
    }

    // A skin built from twelve pictures is saved only once all are loaded,
    // loads on the Clock window with the editor's places, and looks there as
    // it looked in the preview.
    void builtSkinLoadsAsPreviewed() {
        QTemporaryDir pictures, saved;
        writePictures(pictures.path());
        kok::test::MessageCatcher messages;
        auto* save = part<QPushButton>(*page_, "b_save");
        auto* objects = part<QComboBox>(*page_, "c_objects");
        auto* state = part<QComboBox>(*page_, "c_state");
        QTest::mouseClick(part<QPushButton>(*page_, "b_new"), Qt::LeftButton);
        for (std::size_t i = 0; i < std::size(kSlots); ++i) {
            QVERIFY(!save->isEnabled());
            choose(objects, kSlots[i].object);
            choose(state, kSlots[i].state);
            answers_->nextFile(pictures.path() + "/" + kPictures[i].name + ".bmp");
            part<QPushButton>(*page_, "b_file")->click();
            QCOMPARE(part<QLabel>(*page_, "p_file")->text(), QString("[ OK ]"));
        }
        QVERIFY(save->isEnabled());

        // Place the buttons with the arrows, then give the time indicator a font and a colour.
        const std::pair<int, QPoint> places[] = {{3, {100, 4}}, {4, {114, 2}}, {5, {133, 3}}};
        for (const auto& [object, at] : places) {
            choose(objects, object);
            part<QSpinBox>(*page_, "a_x")->setValue(at.x());
            part<QSpinBox>(*page_, "a_y")->setValue(at.y());
        }
        choose(objects, 6);
        answers_->nextFont(QFont("DejaVu Sans", 9, QFont::Bold));
        answers_->nextColor(QColor(255, 255, 0));
        part<QPushButton>(*page_, "b_font")->click();
        QTest::mouseClick(part<QLabel>(*page_, "p_color"), Qt::LeftButton);
        part<QSpinBox>(*page_, "a_x")->setValue(8);
        auto* name = part<QLineEdit>(*page_, "e_name");
        name->setText("Default");
        QCOMPARE(name->text(), QString());
        QVERIFY(messages.texts.value(0).startsWith("Использование «Default» или «Extended»"));
        messages.texts.clear();
        // The skin file cannot hold it: refused before a file is chosen (a
        // save chooser would find no answer scripted and fail the test).
        name->setText("Проверка ☕");
        save->click();
        QCOMPARE(messages.texts.value(0),
                 QString("Поле «НАЗВАНИЕ» содержит символы, которые нельзя сохранить: ☕ (U+2615)"));
        QVERIFY(!QFile::exists(saved.path() + "/skin.ksf"));
        messages.texts.clear();
        name->setText("Проверка");
        choose(objects, 0);

        answers_->nextFile(saved.path() + "/other.ksf");
        save->click();
        QCOMPARE(messages.texts.value(0),
                 QString("Тема должна быть сохранена ТОЛЬКО в файл с именем «skin.ksf»..."));
        QVERIFY(!QFile::exists(saved.path() + "/skin.ksf"));
        answers_->nextFile(saved.path() + "/SKIN.KSF");
        save->click();
        QCOMPARE(messages.texts.value(1),
                 "Интерфейсная тема была успешно сохранена в каталоге:\n" + saved.path() + "/");
        QCOMPARE(messages.captions.value(1), QString());

        // The Clock window wears it.
        const bool xp = kok::settings::IsXpFamily();
        auto ini = kok::settings::openSettings();
        ini.writeInteger(skins::kName, skins::familyKey(xp, skins::kSkinExt), 1);
        ini.writeString(skins::kName, skins::familyKey(xp, skins::kSkinPath),
                        (saved.path() + "/").toStdString());
        kok::test::ComposedClock clock("");
        QCOMPARE(clock.size(), QSize(150, 40));
        QVERIFY(part<kok::skin::FormShaper>(clock, "f_shape")->ShapeActive());
        QCOMPARE(clock.mask().boundingRect(), QRect(0, 0, 149, 40));
        for (const char* name : {"i_timer", "i_settings", "i_close"})
            QCOMPARE(part<QWidget>(clock, name)->geometry(),
                     part<QLabel>(*page_, name)->geometry());
        QCOMPARE(part<QLabel>(clock, "t_time")->geometry(),
                 part<QLabel>(*page_, "tt_time")->geometry());
        QCOMPARE(part<QLabel>(clock, "t_timer")->geometry(),
                 part<QLabel>(*page_, "tt_timer")->geometry());
        QCOMPARE(part<QLabel>(clock, "t_time")->palette().color(QPalette::WindowText),
                 QColor(255, 255, 0));

        // Pixel for pixel, with both indicators showing the same text.
        for (const char* name : {"t_time", "t_timer"})
            part<QLabel>(clock, name)->setText("00:00:00");
        const QImage worn =
            clock.grab(QRect(0, 0, 149, 40)).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage previewed = part<QWidget>(*page_, "z_preview")
                                     ->grab(QRect(0, 0, 149, 40))
                                     .toImage()
                                     .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(worn, previewed);
        // Opened again, it can be saved at once and keeps its name.
        answers_->nextFile(saved.path() + "/skin.ksf");
        QTest::mouseClick(part<QPushButton>(*page_, "b_new"), Qt::LeftButton);
        part<QPushButton>(*page_, "b_load")->click();
        QVERIFY(save->isEnabled());
        QCOMPARE(name->text(), QString("Проверка"));
        QCOMPARE(messages.texts.size(), 2);
    }

    // The preview scrolls only a skin larger than its panel: not while
    // nothing is loaded, not for a face that fits.
    void previewScrollsOnlyWhatDoesNotFit() {
        page_->show();
        auto* scroll = part<QScrollArea>(*page_, "z_preview_scroll");
        const auto bars = [scroll] {
            return std::pair(scroll->horizontalScrollBar()->isVisible(),
                             scroll->verticalScrollBar()->isVisible());
        };
        QTest::mouseClick(part<QPushButton>(*page_, "b_new"), Qt::LeftButton);
        QTRY_COMPARE(bars(), std::pair(false, false));
        QTemporaryDir pictures;
        const std::pair<QSize, std::pair<bool, bool>> faces[] = {{{150, 40}, {false, false}},
                                                                 {{400, 40}, {true, false}},
                                                                 {{100, 300}, {false, true}},
                                                                 {{252, 124}, {false, false}}};
        for (const auto& [size, expected] : faces) {
            QImage face(size, QImage::Format_RGB32);
            face.fill(Qt::gray);
            const QString file = pictures.path() + "/face.bmp";
            QVERIFY(face.save(file, "BMP"));
            choose(part<QComboBox>(*page_, "c_objects"), 1);
            answers_->nextFile(file);
            part<QPushButton>(*page_, "b_file")->click();
            QTRY_COMPARE(bars(), expected);
        }
    }

    // A skin's face that is not installed: the font chooser opens on the
    // face shown in its place, in the skin's style (here regular), and OK
    // without a change leaves the indicator as it was, as does a face the
    // skin file cannot hold.
    void fontChooserOpensOnTheShownFaceAndOkAloneChangesNothing() {
        QTest::mouseClick(part<QPushButton>(*page_, "b_new"), Qt::LeftButton);
        choose(part<QComboBox>(*page_, "c_objects"), 6);
        const auto before = page_->model().font(kok::dialog::SkinEditorModel::Indicator::Time);
        QVERIFY(!QFontDatabase::families().contains(QString::fromStdString(before.font.face)));
        const QFont shownBefore = part<QLabel>(*page_, "tt_time")->font();
        answers_->nextFontAsOpened();
        part<QPushButton>(*page_, "b_font")->click();
        const QFont opened = lastOffered(*answers_);
        QVERIFY2(QFontDatabase::families().contains(opened.family()), qPrintable(opened.family()));
        QVERIFY(!opened.bold() && !opened.italic());
        QCOMPARE(page_->model().font(kok::dialog::SkinEditorModel::Indicator::Time), before);
        QCOMPARE(part<QLabel>(*page_, "tt_time")->font(), shownBefore);
        QCOMPARE(part<QLabel>(*page_, "p_font")->text(), QString("MS Sans Serif"));

        // A face the Windows-1251 skin file cannot hold is refused at once.
        kok::test::MessageCatcher messages;
        answers_->nextFont(QFont("Fira ☕", 20));
        part<QPushButton>(*page_, "b_font")->click();
        QTRY_COMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].contains("☕ (U+2615)"), qPrintable(messages.texts[0]));
        QCOMPARE(page_->model().font(kok::dialog::SkinEditorModel::Indicator::Time), before);
        QCOMPARE(part<QLabel>(*page_, "p_font")->text(), QString("MS Sans Serif"));
    }

    // An installed face whose slanted styles are "Oblique" and whose plain
    // one is "Book" (and which has condensed styles besides): the chooser
    // opens on the skin's own weight and slant, and OK alone keeps them.
    void fontChooserOpensOnTheSkinsOwnStyle_data() {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("style");
        QTest::newRow("regular") << false << false << "Book";
        QTest::newRow("bold") << true << false << "Bold";
        QTest::newRow("slanted") << false << true << "Oblique";
        QTest::newRow("bold slanted") << true << true << "Bold Oblique";
    }
    void fontChooserOpensOnTheSkinsOwnStyle() {
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, style);
        if (!QFontDatabase::styles("DejaVu Sans").contains("Condensed Bold Oblique"))
            QSKIP("DejaVu Sans with its condensed styles is not installed");
        QTest::mouseClick(part<QPushButton>(*page_, "b_new"), Qt::LeftButton);
        choose(part<QComboBox>(*page_, "c_objects"), 6);
        answers_->nextFont(QFont("DejaVu Sans", 11, bold ? QFont::Bold : QFont::Normal, italic));
        part<QPushButton>(*page_, "b_font")->click();
        const auto before = page_->model().font(kok::dialog::SkinEditorModel::Indicator::Time);
        QCOMPARE(before.font.face, std::string("DejaVu Sans"));
        QCOMPARE(before.font.bold, bold ? 1 : 0);
        QCOMPARE(before.italic, italic);

        answers_->nextFontAsOpened();
        part<QPushButton>(*page_, "b_font")->click();
        QCOMPARE(lastOffered(*answers_).styleName(), style);
        QCOMPARE(page_->model().font(kok::dialog::SkinEditorModel::Indicator::Time), before);
    }

    // What NEW SKIN writes into a skin and the messages about bad pictures
    // are in the interface's language.
    void newSkinTextsAndPictureMessagesFollowTheLanguage_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("expected"); // author, name, bad picture, bad mask
        QTest::newRow("Russian") << false
                                 << QStringList{"неизвестный", "новая тема",
                                                "Недопустимое растровое изображение",
                                                "Недопустимый ресурс маски"};
        QTest::newRow("English") << true
                                 << QStringList{"unknown", "new skin", "Bitmap image is not valid",
                                                "Not a valide Mask Resource"};
    }
    void newSkinTextsAndPictureMessagesFollowTheLanguage() {
        QFETCH(bool, english);
        QFETCH(QStringList, expected);
        const kok::test::ScopedLanguage language(english ? kok::app::UiLanguage::English
                                                         : kok::app::UiLanguage::Russian);

        QTest::mouseClick(part<QPushButton>(*page_, "b_new"), Qt::LeftButton);
        const auto& info = page_->model().info;
        QCOMPARE(QString::fromStdString(info.author), expected[0]);
        QCOMPARE(QString::fromStdString(info.name), expected[1]);

        QTemporaryDir dir;
        const QString notABitmap = dir.filePath("face.bmp");
        kok::test::writeBytes(notABitmap.toStdString(), "not a picture");
        kok::test::MessageCatcher messages;
        choose(part<QComboBox>(*page_, "c_objects"), 1);
        answers_->nextFile(notABitmap);
        part<QPushButton>(*page_, "b_file")->click();

        QWidget form;
        kok::skin::FormShaper shaper(&form);
        QImage colour(8, 8, QImage::Format_RGB888);
        colour.fill(Qt::black);
        QVERIFY(colour.save(dir.filePath("mask.bmp"), "BMP"));
        shaper.Mask().setPicFile(dir.filePath("mask.bmp"));
        shaper.setShapeActive(true);
        QCOMPARE(messages.texts, expected.mid(2));
    }

  private:
    std::unique_ptr<kok::test::ProgramFolder> folder_;
    std::unique_ptr<kok::test::ScriptedAnswers> answers_;
    std::unique_ptr<SkinEditorPage> page_;
};

KOK_QT_TEST(SkinEditorTest);
#include "skin_editor_test.moc"
