// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "dialog/dialog_page.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace Ui {
class SkinsPageForm;
}

namespace kok::dialog {

struct SkinPanels;
struct SkinSource;

// The choice of the Clock window's skin for each family of systems (9x and
// NT): the simple or extended built-in skin, or an external one from a
// folder. It shows the skin in use and the one chosen side by side, checks a
// newly loaded skin, and opens its author's mail and web addresses.
class SkinsPage : public DialogPage {
    Q_OBJECT

  public:
    // Opens an address with the desktop.
    using Opener = std::function<void(const QString& address)>;
    // Asks for a skin's "skin.ksf"; an empty text when the user cancels.
    using SkinChooser = std::function<QString(const QString& currentFolder)>;

    explicit SkinsPage(QWidget* parent = nullptr);
    ~SkinsPage() override;

    void load(const settings::IniUpdate& file, SettingsGroup group) override;
    void save(settings::IniUpdate& file, SettingsGroup group) const override;
    void beforeSave() override;
    void enterReadOnly() override;
    void flash(int count) override;
    void lockerTick(int secondsLeft) override;
    bool changesRunningSkin() const override;

    // Replace the desktop opener and the file chooser (tests).
    void setOpener(Opener opener) { open_ = std::move(opener); }
    void setSkinChooser(SkinChooser chooser) { chooseSkin_ = std::move(chooser); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum Family { Family9x, FamilyNt };
    struct Column {
        QLabel *name, *version, *author, *mail, *web;
    };
    struct FamilyControls {
        QRadioButton *simple, *extended, *external;
        QPushButton* load;
        Column current, chosen;
        // The built-in skin chosen last by the user, for falling back; the
        // extended one until a choice is made.
        bool simpleChosenLast = false;
        QString folder;                   // of the external skin, ending in a separator
        QRadioButton* selected = nullptr; // the radio whose effect ran last
    };

    bool readDescription(Family family, const SkinSource& source, bool newChoice);
    // A click on a radio acts only when it changes the family's choice.
    bool selects(Family family, QRadioButton* radio);
    void builtinClicked(Family family, bool simple);
    void externalClicked(Family family);
    void loadExternal(Family family);
    void fallBack(Family family);
    void openLink(QLabel* panel);
    void showLink(QLabel* panel, const QString& text);
    static QString linkAddress(const QLabel* panel);

    std::unique_ptr<Ui::SkinsPageForm> ui_;
    std::array<FamilyControls, 2> families_;
    Opener open_;
    SkinChooser chooseSkin_;
};

} // namespace kok::dialog
