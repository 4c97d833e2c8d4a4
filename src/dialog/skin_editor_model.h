// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialog/product_info.h"

// The skin editor's working skin: its twelve pictures, where the buttons and
// the indicators sit, the indicators' fonts and the skin's information. The
// editor page shows it and edits it through this class only.

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "skin/skin_description.h"
#include "skin/skin_files.h"

namespace kok::dialog {

// The picture holders: the skin's twelve pictures, in the editor's order.
using skin::kSkinPictureCount;
using skin::pictureFileName;
using skin::SkinPicture;

// The entries of the object list, by index.
enum class EditorObject {
    Window,
    Face,
    Mask,
    TimerButton,
    SettingsButton,
    CloseButton,
    TimeIndicator,
    TimerIndicator
};
inline constexpr int kEditorObjectCount = 8;

bool isButton(EditorObject object);
bool isIndicator(EditorObject object);
// How many states the state list offers for the object.
int stateCount(EditorObject object);
// The holder that the file button loads for the object in `state`; nothing
// for the window and the indicators.
std::optional<SkinPicture> pictureFor(EditorObject object, int state);

struct PictureSize {
    int w = 0, h = 0;
    bool operator==(const PictureSize&) const = default;
};

// Width and height of a Windows bitmap file; nothing when `bytes` is none.
std::optional<PictureSize> bitmapSize(std::string_view bytes);

struct Picture {
    std::string bytes; // the file as loaded; saving writes it back unchanged
    PictureSize size;
    bool loaded = false;
};

// An indicator's font as the font chooser gives it. `font` keeps its size in
// points and its height in pixels in step, as the platform's fonts do.
struct EditorFont {
    skin::SkinFont font;
    bool italic = false, underline = false, strikeOut = false;

    // A font of `pointSize` points; the height follows at 96 dots per inch.
    void setPointSize(int pointSize);
    // A font `pixelHeight` pixels high (negative: character height); the size follows.
    void setPixelHeight(int pixelHeight);
    // What "b" says: bold with no other style.
    bool boldOnly() const { return font.bold != 0 && !italic && !underline && !strikeOut; }
    bool operator==(const EditorFont&) const = default;
};

// The texts of the information fields.
struct SkinInfo {
    std::string author, name, version, mail, web;
    bool operator==(const SkinInfo&) const = default;
};

// "Default" and "Extended" name the built-in skins; letter case counts.
bool isReservedSkinName(std::string_view name);
// A skin is saved only as "skin.ksf", in any letter case.
bool isSkinFileName(std::string_view fileName);

inline constexpr int kGeometryMax = 250;
// The build identifier of the program that saved a skin.
inline const std::string kSkinGenerator = std::string(product::kBuildId) + ".internal.2.0";

class SkinEditorModel {
  public:
    // Size of the indicators' text "00:00:00" in a font; the indicators take
    // it whenever their font is set.
    using TextMeasure = std::function<PictureSize(const EditorFont&)>;
    enum class Field { A, B, X, Y };
    enum class Indicator { Time, Timer };

    explicit SkinEditorModel(TextMeasure measure);

    // Empty holders, the new skin's texts and the indicators at their first
    // places. The indicators keep their fonts.
    void startNew();

    const Picture& picture(SkinPicture p) const { return pictures_[std::size_t(p)]; }
    // Loads a bitmap into a holder and marks it loaded; false (nothing
    // changes) when `bytes` is no bitmap.
    bool loadPicture(SkinPicture p, std::string bytes);
    bool loadPictureFile(SkinPicture p, const std::filesystem::path& file);
    // All twelve holders are loaded: the skin can be saved.
    bool complete() const;

    // What A, B, X and Y show for an object.
    skin::SkinRect objectRect(EditorObject object) const;
    // A and B size the indicators, X and Y place buttons and indicators; any
    // other pair ignores the value. Values are kept within 0..250.
    void setField(EditorObject object, Field field, int value);

    // The state whose picture a button shows (buttons show their normal
    // picture unless a state was chosen since).
    void showState(EditorObject button, int state);
    void showNormalPictures();
    std::optional<SkinPicture> shownPicture(EditorObject button) const;

    const EditorFont& font(Indicator i) const { return indicators_[std::size_t(i)].font; }
    // The indicator takes the font and the size of its text in it.
    void setFont(Indicator i, const EditorFont& font);
    void setColor(Indicator i, int bgr);

    SkinInfo info;
    bool extended = false;

    enum class OpenResult { Opened, PictureFailed };
    // Opens the skin whose description is `ksfFile`: New, then its pictures
    // from the same folder, then the description. Stops at the first picture
    // that does not load, keeping those loaded before it.
    OpenResult open(const std::filesystem::path& ksfFile);

    // The description as saving writes it.
    skin::SkinDescription description() const;
    // Writes "skin.ksf" and then the twelve bitmaps into `folder`; stops at
    // the first write that fails and returns false.
    bool save(const std::filesystem::path& folder) const;

  private:
    struct IndicatorState {
        skin::SkinRect rect;
        EditorFont font;
    };
    IndicatorState& indicator(EditorObject object);
    void applyIndicator(Indicator i, const skin::SkinIndicator& described);
    skin::SkinRect buttonRect(EditorObject button) const;

    TextMeasure measure_;
    std::array<Picture, kSkinPictureCount> pictures_;
    std::array<IndicatorState, 2> indicators_;
    std::array<skin::SkinRect, 3> buttonPlaces_{}; // only l and t count
    std::array<int, 3> shownStates_{};
};

} // namespace kok::dialog
