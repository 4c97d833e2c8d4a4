// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/questions.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace kok::platform {
namespace {

class RealDialogs final : public Questions {
  public:
    QString chooseFile(QFileDialog& chooser) override {
        if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return {};
        return chooser.selectedFiles().constFirst();
    }
    std::optional<QColor> chooseColor(QColor initial, QWidget* parent) override {
        const QColor c = QColorDialog::getColor(initial, parent);
        return c.isValid() ? std::optional(c) : std::nullopt;
    }
    std::optional<QFont> chooseFont(const QFont& initial, QWidget* parent) override {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, initial, parent);
        return ok ? std::optional(f) : std::nullopt;
    }
    QAbstractButton* ask(QMessageBox& box) override {
        box.exec();
        return box.clickedButton();
    }
};

RealDialogs realDialogs;
Questions* current = &realDialogs;

} // namespace

Questions& questions() {
    return *current;
}

Questions* installQuestions(Questions* answerer) {
    Questions* previous = current;
    current = answerer ? answerer : &realDialogs;
    return previous;
}

} // namespace kok::platform
