#include "platform/message_box.h"

#include <QLabel>
#include <QMessageBox>
#include <QString>

namespace kok::platform {

void showMessage(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::NoIcon,
                    QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok);
    box.setObjectName("kok_message");
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // The texts break their own lines; the box widens to fit them.
    if (auto* label = box.findChild<QLabel*>("qt_msgbox_label")) label->setWordWrap(false);
    box.exec();
}

} // namespace kok::platform
