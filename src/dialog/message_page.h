// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include "dialog/dialog_page.h"

namespace Ui {
class MessagePageForm;
}

namespace kok::dialog {

// How the Message bar looks (placement, font, height, flashing rate and
// colours, with a preview) and which device sounds the pre-warning.
class MessagePage : public DialogPage {
    Q_OBJECT

  public:
    explicit MessagePage(QWidget* parent = nullptr);
    ~MessagePage() override;

    void load(const settings::IniUpdate& file, SettingsGroup group) override;
    void save(settings::IniUpdate& file, SettingsGroup group) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyPlacement();
    void setHeightField(int height, bool editable);
    void updatePreviewFont();
    void updatePreview();
    void chooseColor(int index);

    std::unique_ptr<Ui::MessagePageForm> ui_;
    std::array<int, 2> colors_; // 0xBBGGRR: #1 the background, #2 the text
};

} // namespace kok::dialog
