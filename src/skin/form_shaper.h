// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPixmap>
#include <QRegion>
#include <QString>
#include <stdexcept>

#include "skin/mask_bitmap.h"

class QLabel;
class QWidget;

namespace kok::skin {

// The shaper's messages, shown through the translators ("Messages").
inline constexpr const char* kShaperFatalCaption =
    QT_TRANSLATE_NOOP("Messages", "Критическая ошибка");
inline constexpr const char* kShaperOwnerMessage =
    QT_TRANSLATE_NOOP("Messages", "Владелец FormShaper не является формой");
inline constexpr const char* kMaskResTypeMissing =
    QT_TRANSLATE_NOOP("Messages", "Тип ресурса маски не задан !");
inline constexpr const char* kMaskResTypeBitmap = QT_TRANSLATE_NOOP(
    "Messages",
    "Неподдерживаемый тип ресурса маски ! Допустимы только пользовательские типы ресурсов.");
inline constexpr const char* kMaskResNameMissing =
    QT_TRANSLATE_NOOP("Messages", "Имя ресурса маски не задано !");
inline constexpr const char* kMaskResNotFound =
    QT_TRANSLATE_NOOP("Messages", "Ресурс маски не найден !");

// A mask file that cannot be opened; the skin loader turns it into its fallback.
class MaskFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Where a shaper takes its mask from: a resource of the program (found as
// ":/<type>/<name>", without regard to case) or a file.
class ShaperMask {
  public:
    const QString& ResType() const { return resType_; }
    const QString& ResName() const { return resName_; }
    const QString& PicFile() const { return picFile_; }

    void setResType(const QString& type) { resType_ = type.toUpper(); }
    // A non-empty name clears the file.
    void setResName(const QString& name);
    // A non-empty path clears the resource name. A file missing where given
    // is looked for under the same name beside the executable.
    void setPicFile(const QString& path);

  private:
    QString resType_ = QStringLiteral("PIC");
    QString resName_;
    QString picFile_;
};

// Cuts its owner window to the black pixels of a 1-bit mask bitmap. The
// region is built once per shaper; later activations reuse it.
class FormShaper : public QObject {
    Q_OBJECT

  public:
    // `owner` must be a top-level widget; otherwise the shaper says so and
    // does nothing.
    explicit FormShaper(QObject* owner);
    ~FormShaper() override;

    bool AutoActivate() const { return autoActivate_; }
    void setAutoActivate(bool on) { autoActivate_ = on; }
    bool CaptionForm() const { return captionForm_; }
    void setCaptionForm(bool on);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    bool ShapeActive() const { return active_; }
    // Switching on may throw MaskFileError when the mask file cannot be read.
    void setShapeActive(bool on);
    bool WindowMove() const { return windowMove_; }
    void setWindowMove(bool on) { windowMove_ = on; }
    ShaperMask& Mask() { return mask_; }
    void setMask(const ShaperMask& mask);
    const QPixmap& Backgrnd() const { return background_; }
    void setBackgrnd(const QPixmap& picture);

    // The cached region and how often it was built (once at most).
    const QRegion& region() const { return region_; }
    int regionBuilds() const { return regionBuilds_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void activate();
    void deactivate();
    bool loadMask();
    bool loadMaskResource();
    void buildRegion();

    QWidget* form_ = nullptr;
    bool autoActivate_ = true;
    bool captionForm_ = true;
    bool autoSize_ = true;
    bool active_ = false;
    bool windowMove_ = false;
    ShaperMask mask_;
    QPixmap background_;
    QLabel* backgroundImage_ = nullptr;

    QByteArray buffer_;
    MaskHeader header_;
    bool parseOk_ = false;
    bool regionBuilt_ = false;
    bool regionRefused_ = false;
    QRegion region_;
    int regionBuilds_ = 0;
    bool shownOnce_ = false;
    // Switching the shape on was asked for before the first show: the show
    // does not ask again, so a refused mask is reported once.
    bool activationAsked_ = false;
};

} // namespace kok::skin
