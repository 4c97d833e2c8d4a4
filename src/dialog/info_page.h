// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "dialog/dialog_page.h"

class QLabel;
class QTimer;

namespace Ui {
class InfoPageForm;
}

namespace kok::dialog {

// The product's name, version and credits, and links to the author's mail
// and web pages. A double click on the title plays a small title animation.
class InfoPage : public DialogPage {
    Q_OBJECT

  public:
    // Opens an address with the desktop; the result does not matter here.
    using Opener = std::function<void(const QString& address)>;

    explicit InfoPage(QWidget* parent = nullptr);
    ~InfoPage() override;

    // Replaces the desktop opener (tests open nothing).
    void setOpener(Opener opener) { open_ = std::move(opener); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The pointer over the page itself, off every link.
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    struct Link {
        QLabel* label = nullptr;
        QString address;
        bool highlighted = false;
    };

    void highlight(Link& link);
    void removeHighlights();
    void openLink(Link& link);
    void eggTick();

    std::unique_ptr<Ui::InfoPageForm> ui_;
    std::array<Link, 4> links_;
    QTimer* tt_egg_;
    int eggCount_ = 0;
    Opener open_;
};

} // namespace kok::dialog
