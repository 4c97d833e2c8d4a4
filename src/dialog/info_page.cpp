// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/info_page.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

#include "dialog/focus_mark.h"
#include "dialog/label_click.h"
#include "dialog/page_fonts.h"
#include "dialog/product_info.h"
#include "platform/qt_text.h"
#include "platform/shell_open_ui.h"
#include "ui_info_page.h"

namespace kok::dialog {
namespace {

const QColor kLinkColor(0, 0, 255);
const QColor kHighlightColor(0, 0, 128);
const QColor kClickedColor(0, 0, 0);
constexpr int kLinkPixels = 11;
constexpr int kTitlePixels = 29;

using platform::qText;

void setTextColor(QWidget* w, const QColor& color) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, color);
    w->setPalette(pal);
}

// A label that reacts to the pointer covers its text only, centred where the
// form put it.
void fitToText(QLabel* label) {
    const QRect r = label->geometry();
    const int width = label->fontMetrics().horizontalAdvance(label->text()) + 4;
    label->setGeometry(r.center().x() - width / 2, r.y(), width, r.height());
}

QString mailAddress() {
    const QByteArray subject = QUrl::toPercentEncoding('"' + qText(product::kName) + '"');
    return "mailto:" + qText(product::kMail) + "?subject=" + QString::fromLatin1(subject);
}

} // namespace

InfoPage::InfoPage(QWidget* parent)
    : DialogPage(parent), ui_(std::make_unique<Ui::InfoPageForm>()), tt_egg_(new QTimer(this)),
      open_([](const QString& address) { platform::shellOpen(address); }) {
    ui_->setupUi(this);
    setMouseTracking(true);

    ui_->t_title->setFont(pageFont("Arial Black", kTitlePixels));
    ui_->t_version->setText(
        QCoreApplication::translate("InfoPage", "ВЕРСИЯ %1").arg(qText(product::kVersion)));
    ui_->t_id->setText("ID: " + qText(product::kBuildId));
    ui_->t_author->setText(QCoreApplication::translate("InfoPage", "АВТОР"));
    ui_->t_name->setText(QCoreApplication::translate("InfoPage", "Команда kOk DIAL TD"));
    ui_->t_nick->setText("( " + qText(product::kAuthorNick) + " )");
    ui_->t_mail->setText(qText(product::kMail));
    ui_->t_web->setText(qText(product::kWebSite));
    QFont credit = pageFont("Arial", kLinkPixels);
    credit.setBold(true);
    ui_->t_name->setFont(credit);
    ui_->t_nick->setFont(credit);

    links_ = {{{ui_->t_mail, mailAddress()},
               {ui_->t_web, qText(product::kWebSite)},
               {ui_->t_info, qText(product::kProductPage)},
               {ui_->t_skins, qText(product::kSkinsPage)}}};
    for (Link& link : links_) {
        QFont f = credit;
        f.setUnderline(link.label == ui_->t_mail || link.label == ui_->t_web);
        link.label->setFont(f);
        link.label->setCursor(Qt::DragMoveCursor);
        link.label->setMouseTracking(true);
        setTextColor(link.label, kLinkColor);
        fitToText(link.label);
        link.label->installEventFilter(this);
    }
    fitToText(ui_->t_id);
    ui_->t_id->installEventFilter(this);
    // The links open with Enter or Space too.
    for (QLabel* label : {ui_->t_mail, ui_->t_web, ui_->t_info, ui_->t_skins, ui_->t_id}) {
        label->setFocusPolicy(Qt::TabFocus);
        markFocus(label);
    }
    ui_->t_title->installEventFilter(this);

    tt_egg_->setObjectName("tt_egg");
    tt_egg_->setInterval(50);
    connect(tt_egg_, &QTimer::timeout, this, &InfoPage::eggTick);
}

InfoPage::~InfoPage() = default;

bool InfoPage::eventFilter(QObject* watched, QEvent* event) {
    const bool key = isPressKey(event);
    if (!key && !dynamic_cast<QMouseEvent*>(event)) return DialogPage::eventFilter(watched, event);
    const bool click = key || isClick(watched, event);
    if (watched == ui_->t_title && event->type() == QEvent::MouseButtonDblClick) {
        tt_egg_->start();
        return true;
    }
    if (watched == ui_->t_id && click) {
        open_(qText(product::kIdsPage));
        return true;
    }
    for (Link& link : links_) {
        if (watched != link.label) continue;
        if (event->type() == QEvent::MouseMove) {
            highlight(link);
            return true;
        }
        if (click) {
            openLink(link);
            return true;
        }
    }
    return DialogPage::eventFilter(watched, event);
}

void InfoPage::mouseMoveEvent(QMouseEvent* event) {
    removeHighlights();
    DialogPage::mouseMoveEvent(event);
}

void InfoPage::highlight(Link& link) {
    if (link.highlighted) return;
    removeHighlights();
    setTextColor(link.label, kHighlightColor);
    link.highlighted = true;
}

void InfoPage::removeHighlights() {
    for (Link& link : links_) {
        if (!link.highlighted) continue;
        setTextColor(link.label, kLinkColor);
        link.highlighted = false;
    }
}

// The link turns black before the desktop takes its time to open it.
void InfoPage::openLink(Link& link) {
    setTextColor(link.label, kClickedColor);
    window()->repaint();
    open_(link.address);
}

// Counts 1 to 10 spell " eXperience" after the title, one piece at a time,
// in a green that grows brighter; then the timer stops for good: a later
// start only stops it again at its next tick.
void InfoPage::eggTick() {
    static constexpr std::array<const char*, 10> kPieces = {" e", "X", "p", "e", "r",
                                                            "i",  "e", "n", "c", "e"};
    ++eggCount_;
    if (eggCount_ <= static_cast<int>(kPieces.size())) {
        ui_->t_title->setText(ui_->t_title->text() + kPieces[eggCount_ - 1]);
        setTextColor(ui_->t_title, QColor(0, 10 * (eggCount_ - 1), 0));
        return;
    }
    tt_egg_->stop();
    setTextColor(ui_->t_title, QColor(0, 100, 0));
}

} // namespace kok::dialog
