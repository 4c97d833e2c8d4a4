// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <array>
#include <memory>
#include <optional>

#include "dialog/dialog_page.h"
#include "dialog/skin_editor_model.h"

class QLabel;
class QLineEdit;
class QScrollArea;
class QSpinBox;

namespace Ui {
class SkinEditorPageForm;
}

namespace kok::dialog {

// The skin editor: builds a skin from twelve bitmaps, places its buttons and
// indicators over a preview at real size and saves it as a skin folder. It
// keeps nothing in the Settings file.
class SkinEditorPage : public DialogPage {
    Q_OBJECT

  public:
    explicit SkinEditorPage(QWidget* parent = nullptr);
    ~SkinEditorPage() override;

    const SkinEditorModel& model() const { return model_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void b_newClick();
    void b_loadClick();
    void b_saveClick();
    bool infoStorable();
    void c_objectsChange();
    void c_stateChange();
    void b_fileClick();
    void b_fontClick();
    void p_colorClick();
    void fieldChange(SkinEditorModel::Field field, const QString& text);
    void e_nameChange(const QString& text);

    EditorObject object() const;
    std::optional<SkinEditorModel::Indicator> chosenIndicator() const;
    void showFields(const skin::SkinRect& r);
    void showFileStatus(std::optional<SkinPicture> holder);
    void showInfo();
    void decodePictures();
    void showPreview();
    void setSwatch(const QColor& color);

    std::unique_ptr<Ui::SkinEditorPageForm> ui_;
    SkinEditorModel model_;
    QScrollArea* previewScroll_ = nullptr;
    std::array<QPixmap, kSkinPictureCount> pixmaps_;
    std::array<QLineEdit*, 4> fields_{};
    std::array<QSpinBox*, 4> arrows_{};
    bool filling_ = false; // the page itself is writing the fields
};

// What an indicator of the preview and of the Clock window shows: the skin
// font with the chooser's other styles.
QFont indicatorFont(const EditorFont& font);

// The font the font chooser opens on for an indicator: the face shown for
// the skin's face, in the skin's style and size.
QFont fontChooserStart(const EditorFont& font);

} // namespace kok::dialog
