#include "platform/linux/qt_dialogs.h"

#include <QMessageBox>
#include <QString>

namespace vnovla::platform::linux_desktop {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon toQt(DialogIcon icon)
{
    switch (icon) {
    case DialogIcon::None:
        return QMessageBox::NoIcon;
    case DialogIcon::Question:
        return QMessageBox::Question;
    case DialogIcon::Information:
        return QMessageBox::Information;
    case DialogIcon::Warning:
        return QMessageBox::Warning;
    case DialogIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer QtDialogs::ask(const std::string& text, const std::string& caption, DialogButtons buttons,
                      DialogIcon icon, DefaultButton defaultButton)
{
    QMessageBox box(toQt(icon), fromUtf8(caption), fromUtf8(text), QMessageBox::NoButton, parent_);
    if (buttons == DialogButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultButton == DefaultButton::First ? QMessageBox::Yes
                                                               : QMessageBox::No);
    // Closing the box without an answer (Esc, the close box) is the harmless No.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtDialogs::message(const std::string& text, const std::string& caption, DialogIcon icon)
{
    QMessageBox box(toQt(icon), fromUtf8(caption), fromUtf8(text), QMessageBox::Ok, parent_);
    box.exec();
}

} // namespace vnovla::platform::linux_desktop
