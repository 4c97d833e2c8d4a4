// SPDX-License-Identifier: GPL-3.0-or-later
// The real Qt dialogs behind platform::questions(), one of each kind the
// program asks: each is opened as the program opens it and answered as a
// user would, as soon as it shows.

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "dialog/file_chooser.h"
#include "dialog/settings_dialog.h"
#include "platform/message_box.h"
#include "platform/questions.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/scripted_answers.h"
#include "ui/dialog/fake_clock_link.h"

namespace {

// Answers the next dialog of type D that shows, from inside its own event
// loop. A dialog not answered within the bound (a minute: room for a busy
// machine) is rejected, and `timedOut` says so: the test fails, it does not hang.
template <class D> class AnswerWhenShown : public QObject {
  public:
    explicit AnswerWhenShown(std::function<void(D&)> answer) : answer_(std::move(answer)) {
        qApp->installEventFilter(this);
        bound_.setSingleShot(true);
        connect(&bound_, &QTimer::timeout, this, [this] {
            timedOut = true;
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
        });
        bound_.start(60'000);
    }
    ~AnswerWhenShown() override { qApp->removeEventFilter(this); }

    bool answered = false;
    bool timedOut = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<D*>(watched);
        if (event->type() == QEvent::Show && dialog && !answered) {
            answered = true;
            QPointer<D> shown(dialog);
            QTimer::singleShot(0, this, [this, shown] {
                if (shown) answer_(*shown);
            });
        }
        return false;
    }

  private:
    std::function<void(D&)> answer_;
    QTimer bound_;
};

void accept(QDialog& d) {
    d.accept();
}

} // namespace

class RealDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void fileOpenChooserGivesThePickedFile() {
        const kok::test::UseRealDialogs real;
        kok::test::TempDir dir;
        const QString file = QString::fromStdString((dir.path() / "ring.wav").string());
        kok::test::writeBytes(dir.path() / "ring.wav", "RIFF");
        QString title;
        AnswerWhenShown<QFileDialog> answer([&](QFileDialog& d) {
            title = d.windowTitle();
            d.selectFile(file);
            accept(d);
        });
        const QString chosen = kok::dialog::chooseFile(nullptr, kok::dialog::FileKind::Wave, {});
        QVERIFY(!answer.timedOut);
        QVERIFY(answer.answered);
        QCOMPARE(chosen, file);
        QCOMPARE(title, QString::fromStdString(
                            kok::dialog::fileChooserSetup(kok::dialog::FileKind::Wave).title));
    }

    void fileSaveChooserGivesTheTypedName() {
        const kok::test::UseRealDialogs real;
        kok::test::TempDir dir;
        QFileDialog chooser(nullptr, "Save", QString::fromStdString(dir.path().string()),
                            "Skins (*.ksf)");
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        chooser.setDefaultSuffix("ksf");
        AnswerWhenShown<QFileDialog> answer([](QFileDialog& d) {
            d.findChild<QLineEdit*>("fileNameEdit")->setText("mine");
            accept(d);
        });
        const QString chosen = kok::platform::questions().chooseFile(chooser);
        QVERIFY(!answer.timedOut);
        QCOMPARE(chosen, QString::fromStdString((dir.path() / "mine.ksf").string()));
    }

    void colourChooserGivesThePickedColourAndNothingOnCancel() {
        const kok::test::UseRealDialogs real;
        {
            AnswerWhenShown<QColorDialog> answer([](QColorDialog& d) {
                QCOMPARE(d.currentColor(), QColor(Qt::red));
                d.setCurrentColor(QColor(0x12, 0x34, 0x56));
                accept(d);
            });
            const auto c = kok::platform::questions().chooseColor(Qt::red, nullptr);
            QVERIFY(!answer.timedOut);
            QCOMPARE(c, std::optional(QColor(0x12, 0x34, 0x56)));
        }
        AnswerWhenShown<QColorDialog> cancel([](QColorDialog& d) { d.reject(); });
        QCOMPARE(kok::platform::questions().chooseColor(Qt::red, nullptr), std::nullopt);
        QVERIFY(cancel.answered);
        QVERIFY(!cancel.timedOut);
    }

    void fontChooserGivesTheFontItOpenedOnWhenAccepted() {
        const kok::test::UseRealDialogs real;
        QFont initial = QApplication::font();
        initial.setPointSize(17);
        AnswerWhenShown<QFontDialog> answer([](QFontDialog& d) { accept(d); });
        const auto f = kok::platform::questions().chooseFont(initial, nullptr);
        QVERIFY(!answer.timedOut);
        QVERIFY(f.has_value());
        QCOMPARE(f->pointSize(), 17);
        QCOMPARE(QFontInfo(*f).family(), QFontInfo(initial).family());
    }

    void messageBoxShowsPlainTextOnTopAndEndsOnOk() {
        const kok::test::UseRealDialogs real;
        QString text;
        QString caption;
        bool plain = false;
        bool onTop = false;
        AnswerWhenShown<QMessageBox> answer([&](QMessageBox& box) {
            text = box.text();
            caption = box.windowTitle();
            plain = box.textFormat() == Qt::PlainText;
            onTop = box.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            box.button(QMessageBox::Ok)->click();
        });
        kok::platform::showMessage("<b>C:\\MEDIA</b>", "Заголовок");
        QVERIFY(!answer.timedOut);
        QCOMPARE(text, QString("<b>C:\\MEDIA</b>"));
        QCOMPARE(caption, QString("Заголовок"));
        QVERIFY(plain);
        QVERIFY(onTop);
    }

    void discardQuestionKeepsTheEditsUnlessDiscardIsPressed() {
        const kok::test::UseRealDialogs real;
        kok::test::ProgramFolder folder;
        kok::test::FakeClockLink link;
        kok::dialog::SettingsDialog dialog(link);
        dialog.show();
        dialog.openSection(kok::dialog::SettingsDialog::Countdown);
        QTest::keyClicks(part<QLineEdit>(dialog, "e_secs"), "1");
        for (const auto role : {QMessageBox::RejectRole, QMessageBox::DestructiveRole}) {
            QString name;
            AnswerWhenShown<QMessageBox> answer([&](QMessageBox& box) {
                name = box.objectName();
                for (QAbstractButton* b : box.buttons())
                    if (box.buttonRole(b) == role) b->click();
            });
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!answer.timedOut);
            QCOMPARE(name, QString("kok_discard_question"));
            QCOMPARE(dialog.isVisible(), role == QMessageBox::RejectRole);
        }
    }
};

KOK_QT_TEST(RealDialogsTest);
#include "real_dialogs_test.moc"
