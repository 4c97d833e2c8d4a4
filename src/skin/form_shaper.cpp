// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/form_shaper.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <span>

#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/translate.h"
#include "skin/mask_region.h"
#include "skin/picture_limits.h"

namespace kok::skin {
namespace {

// The hourglass pointer for as long as it lives.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// AutoSize is held off while the shape changes and restored afterwards,
// which resizes the form to the mask when it is on.
class AutoSizeHold {
  public:
    explicit AutoSizeHold(FormShaper& s) : shaper_(s), saved_(s.AutoSize()) {
        shaper_.setAutoSize(false);
    }
    ~AutoSizeHold() { shaper_.setAutoSize(saved_); }
    AutoSizeHold(const AutoSizeHold&) = delete;
    AutoSizeHold& operator=(const AutoSizeHold&) = delete;

  private:
    FormShaper& shaper_;
    bool saved_;
};

void fatal(const char* text) {
    platform::showMessage(platform::trText("Messages", text),
                          platform::trText("Messages", kShaperFatalCaption));
}

} // namespace

void ShaperMask::setResName(const QString& name) {
    resName_ = name.toUpper();
    if (!resName_.isEmpty()) picFile_.clear();
}

void ShaperMask::setPicFile(const QString& path) {
    picFile_ = path;
    if (!path.isEmpty() && !QFileInfo::exists(path)) {
        const QString dir = QString::fromStdString(platform::executableDir().string());
        picFile_ = QDir(dir).filePath(QFileInfo(path).fileName());
    }
    if (!picFile_.isEmpty()) resName_.clear();
}

FormShaper::FormShaper(QObject* owner) : QObject(owner) {
    auto* widget = qobject_cast<QWidget*>(owner);
    if (!widget || !widget->isWindow()) {
        fatal(kShaperOwnerMessage);
        return;
    }
    form_ = widget;
    form_->installEventFilter(this);
}

FormShaper::~FormShaper() = default;

void FormShaper::setShapeActive(bool on) {
    if (on == active_) return;
    if (on)
        activate();
    else
        deactivate();
}

void FormShaper::activate() {
    activationAsked_ = true;
    AutoSizeHold hold(*this);
    active_ = false;
    if (!form_ || (mask_.ResName().isEmpty() && mask_.PicFile().isEmpty())) return;
    if (!loadMask()) return;
    const MaskParseResult parsed = parseMask(std::span(
        reinterpret_cast<const std::uint8_t*>(buffer_.constData()), std::size_t(buffer_.size())));
    parseOk_ = parsed.error == MaskParseError::None;
    if (!parseOk_) {
        // A loaded but empty file is a buffer without a mask in it.
        const bool noBuffer = parsed.error == MaskParseError::NoBuffer && buffer_.isNull();
        platform::showMessage(
            platform::trText("Messages", noBuffer ? kMaskNoBufferMessage : kMaskInvalidMessage));
        return;
    }
    header_ = parsed.header;
    if (!regionBuilt_) buildRegion();
    if (regionRefused_) return;
    // An empty QRegion would mean "no mask at all", so an all-white mask gets
    // a shape that lies wholly outside the window: nothing of it shows.
    form_->setMask(region_.isEmpty() ? QRegion(-1, -1, 1, 1) : region_);
    form_->update();
    active_ = true;
}

void FormShaper::deactivate() {
    AutoSizeHold hold(*this);
    active_ = false;
    if (form_) form_->clearMask();
}

bool FormShaper::loadMask() {
    buffer_ = QByteArray();
    if (!mask_.ResName().isEmpty()) return loadMaskResource();
    const QString& path = mask_.PicFile();
    std::optional<std::string> bytes;
    // A built-in skin's mask is a resource; a file goes through the common
    // reader, which refuses a pipe or a device in a skin folder.
    if (path.startsWith(QLatin1String(":/"))) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) bytes = f.readAll().toStdString();
    } else {
        bytes = platform::readWholeFile(path.toStdString(), kMaxPictureFileBytes);
    }
    if (!bytes) throw MaskFileError("cannot open the mask file " + path.toStdString());
    buffer_ = QByteArray(bytes->data(), qsizetype(bytes->size())); // loaded, even if empty
    return true;
}

bool FormShaper::loadMaskResource() {
    if (mask_.ResType().isEmpty()) {
        fatal(kMaskResTypeMissing);
        return false;
    }
    if (mask_.ResType() == QLatin1String("BITMAP")) {
        fatal(kMaskResTypeBitmap);
        return false;
    }
    if (mask_.ResName().isEmpty()) {
        fatal(kMaskResNameMissing);
        return false;
    }
    const QDir dir(":/");
    for (const QString& type : dir.entryList(QDir::Dirs)) {
        if (type.compare(mask_.ResType(), Qt::CaseInsensitive) != 0) continue;
        const QDir typeDir(dir.filePath(type));
        for (const QString& name : typeDir.entryList(QDir::Files)) {
            if (name.compare(mask_.ResName(), Qt::CaseInsensitive) != 0) continue;
            QFile f(typeDir.filePath(name));
            if (f.open(QIODevice::ReadOnly)) {
                buffer_ = f.readAll();
                return true;
            }
        }
    }
    fatal(kMaskResNotFound);
    return false;
}

// Runs are collected into row bands and the region is made in one step; a
// union per run would cost far more for a detailed mask.
void FormShaper::buildRegion() {
    WaitCursor wait;
    const std::span file(reinterpret_cast<const std::uint8_t*>(buffer_.constData()),
                         std::size_t(buffer_.size()));
    // Counting first costs far less than growing a list of a million rectangles.
    qsizetype count = 0;
    forEachMaskBand(file, header_, [&](int, int, int, int) { ++count; });
    regionBuilt_ = true;
    ++regionBuilds_;
    // The X server empties a shape with this many rectangles, so the window
    // would vanish: the shape counts as refused and the window stays whole.
    // The region is not built at all then, which saves most of the time.
    regionRefused_ = std::size_t(count) > kMaxShapeRects;
    region_ = QRegion();
    if (regionRefused_) return;
    QList<QRect> rects;
    rects.reserve(count);
    forEachMaskBand(file, header_, [&](int x1, int y1, int x2, int y2) {
        rects.emplace_back(QPoint(x1, y1), QPoint(x2, y2));
    });
    region_.setRects(rects.constData(), int(rects.size()));
}

void FormShaper::setAutoSize(bool on) {
    autoSize_ = on;
    if (autoSize_ && active_ && parseOk_ && form_) form_->resize(header_.width, header_.height);
}

void FormShaper::setMask(const ShaperMask& mask) {
    mask_.setResType(mask.ResType());
    mask_.setResName(mask.ResName());
    mask_.setPicFile(mask.PicFile());
}

void FormShaper::setCaptionForm(bool on) {
    if (on == captionForm_) return;
    captionForm_ = on;
    if (!form_) return;
    WaitCursor wait;
    const bool wasActive = active_;
    setShapeActive(false);
    const bool visible = form_->isVisible();
    form_->setWindowFlag(Qt::FramelessWindowHint, !on);
    if (visible) form_->show();
    setShapeActive(wasActive);
}

void FormShaper::setBackgrnd(const QPixmap& picture) {
    background_ = picture;
    if (!form_) return;
    if (background_.isNull()) {
        delete backgroundImage_;
        backgroundImage_ = nullptr;
    } else {
        if (!backgroundImage_) backgroundImage_ = new QLabel(form_);
        backgroundImage_->setPixmap(background_);
        backgroundImage_->setGeometry(0, 0, background_.width(), background_.height());
        backgroundImage_->lower();
        backgroundImage_->show();
    }
    form_->update();
}

bool FormShaper::eventFilter(QObject* watched, QEvent* event) {
    if (watched != form_) return false;
    switch (event->type()) {
    case QEvent::Show:
        if ((!shownOnce_ && autoActivate_ && !activationAsked_) || active_) {
            shownOnce_ = true;
            // No caller to hand a missing file to here: the shape just stays off.
            try {
                setShapeActive(true);
            } catch (const MaskFileError&) {
            }
        }
        break;
    case QEvent::MouseButtonPress:
        if (windowMove_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            form_->windowHandle()) {
            form_->windowHandle()->startSystemMove();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace kok::skin
