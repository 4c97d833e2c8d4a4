#include "dialog/settings_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kok::dialog {
namespace {

constexpr const char* kCaptionPrefix = "kOk DIAL TD ::: настройки ::: ";

struct SectionInfo {
    const char* button;
    const char* page;
    const char* caption;
};

constexpr std::array<SectionInfo, SettingsDialog::SectionCount> kSections = {{
    {"s_options", "tab_options", "ПАРАМЕТРЬI"},
    {"s_alarm", "tab_alarm", "БУДИЛЬНИК"},
    {"s_countdown", "tab_countdown", "ОТСЧЕТ"},
    {"s_timer", "tab_timer", "ТАЙМЕР"},
    {"s_message", "tab_message", "СООБЩЕНИЕ"},
    {"s_skins", "tab_skins", "ТЕМЬI"},
    {"s_editor", "tab_editor", "РЕДАКТОР"},
    {"s_info", "tab_info", "ИНФОРМАЦИЯ"},
}};

} // namespace

SettingsDialog::SettingsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("settings");
    setWindowTitle("kOk DIAL TD");
    setFixedSize(600, 235);

    auto* sections = new QGroupBox(this);
    sections->setObjectName("z_sections");
    auto* sectionLayout = new QVBoxLayout(sections);
    sectionLayout->setSpacing(1);
    for (int i = 0; i < SectionCount; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(kSections[i].caption), sections);
        b->setObjectName(kSections[i].button);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, i] { showSection(Section(i)); });
        sectionLayout->addWidget(b);
        sectionButtons_[i] = b;
    }

    auto* control = new QGroupBox(this);
    control->setObjectName("z_control");
    auto* controlLayout = new QHBoxLayout(control);
    c_ok = new QPushButton("OK", control);
    c_ok->setObjectName("c_ok");
    c_cancel = new QPushButton("ОТМЕНА", control);
    c_cancel->setObjectName("c_cancel");
    for (QPushButton* b : {c_ok, c_cancel}) {
        b->setFocusPolicy(Qt::NoFocus);
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        controlLayout->addWidget(b);
    }
    c_ok->setEnabled(false);
    connect(c_cancel, &QPushButton::clicked, this, &QDialog::hide);

    auto* left = new QVBoxLayout;
    left->addWidget(sections);
    left->addWidget(control);

    auto* tabsBox = new QGroupBox(this);
    tabsBox->setObjectName("z_tabs");
    auto* tabsLayout = new QVBoxLayout(tabsBox);
    tabs_ = new QStackedWidget(tabsBox);
    tabs_->setObjectName("tabs");
    tabsLayout->addWidget(tabs_);
    for (int i = 0; i < SectionCount; ++i) {
        // Placeholders keep the page indexes stable until a page is built.
        auto* placeholder = new QWidget(tabs_);
        tabs_->addWidget(placeholder);
    }

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(tabsBox, 1);

    tt_focus = new QTimer(this);
    tt_focus->setObjectName("tt_focus");
    tt_focus->setInterval(250);
    tt_locker = new QTimer(this);
    tt_locker->setObjectName("tt_locker");
    tt_locker->setInterval(1000);
    tt_egg = new QTimer(this);
    tt_egg->setObjectName("tt_egg");
    tt_egg->setInterval(50);
}

SettingsDialog::~SettingsDialog() = default;

// The stopwatch page's live fields come with that page.
void SettingsDialog::showStopwatchTime(const QString&) {}
void SettingsDialog::showClockTime(const QString&) {}

// The options page's position fields follow the clock while it is dragged.
void SettingsDialog::showClockPosition(QPoint position) {
    const std::pair<const char*, int> fields[] = {{"e_xx", position.x()}, {"e_yy", position.y()}};
    for (const auto& [name, value] : fields) {
        QWidget* field = findChild<QWidget*>(name);
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->setText(QString::number(value));
        else if (auto* spin = qobject_cast<QSpinBox*>(field))
            spin->setValue(value);
    }
}

void SettingsDialog::setMessageBarShowing(bool showing) {
    if (showing == barShowing_) return; // a second bar over the first keeps the saved state
    barShowing_ = showing;
    if (showing) okEnabledBeforeBar_ = c_ok->isEnabled();
    c_ok->setEnabled(!showing && okEnabledBeforeBar_);
    c_cancel->setEnabled(!showing);
}

void SettingsDialog::ensurePage(Section section) {
    if (pages_[section]) return;
    auto* page = new QWidget;
    page->setObjectName(kSections[section].page);
    auto* layout = new QVBoxLayout(page);
    auto* title = new QLabel(QString::fromUtf8(kSections[section].caption), page);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    QWidget* placeholder = tabs_->widget(section);
    tabs_->insertWidget(section, page);
    tabs_->removeWidget(placeholder);
    delete placeholder;
    pages_[section] = page;
}

void SettingsDialog::showSection(Section section) {
    ensurePage(section);
    tabs_->setCurrentIndex(section);
    setWindowTitle(QString::fromUtf8(kCaptionPrefix) +
                   QString::fromUtf8(kSections[section].caption));
}

SettingsDialog::Section SettingsDialog::currentSection() const {
    return Section(tabs_->currentIndex());
}

void SettingsDialog::openSection(Section section) {
    showSection(section);
    show();
    raise();
    activateWindow();
}

} // namespace kok::dialog
