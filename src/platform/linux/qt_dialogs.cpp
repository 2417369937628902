#include "platform/linux/qt_dialogs.h"

#include <QApplication>
#include <QColor>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>

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

// The program's own texts (captions, questions, titles) as the user reads them: the
// interface language's translation when it has one. Paths and typed values are not looked up.
QString shown(const std::string& text)
{
    return QCoreApplication::translate("vnovla", text.c_str());
}

std::string toUtf8(const QString& text)
{
    return text.toStdString();
}

// "Programs (*.exe *.com)" in Qt's filter syntax, with the label as given. A label that
// already ends in its patterns ("Text (*.txt)") or is nothing but them ("*.dll") is shown
// alone, as Qt reads the patterns from it.
QString toQt(const FileFilter& filter)
{
    QStringList patterns;
    for (const std::string& pattern : filter.patterns)
        patterns << fromUtf8(pattern);
    const QString label = shown(filter.label);
    const QString joined = patterns.join(QLatin1Char(' '));
    if (label == joined || label.endsWith(QLatin1Char('(') + joined + QLatin1Char(')')))
        return label;
    return label + QStringLiteral(" (") + joined + QLatin1Char(')');
}

// One line per message, so that a log keeps it together.
void printUnattended(const std::string& text, const std::string& caption)
{
    std::string line = caption + ": " + text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace

QWidget* QtDialogs::owner() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return parent_;
}

Answer QtDialogs::ask(const std::string& text, const std::string& caption, DialogButtons buttons,
                      DialogIcon icon, DefaultButton defaultButton)
{
    if (unattended_) {
        printUnattended(text, caption);
        return buttons == DialogButtons::Ok            ? Answer::Ok
               : defaultButton == DefaultButton::First ? Answer::Yes
                                                       : Answer::No;
    }
    QMessageBox box(toQt(icon), shown(caption), shown(text), QMessageBox::NoButton, owner());
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
    if (unattended_) {
        printUnattended(text, caption);
        return;
    }
    QMessageBox box(toQt(icon), shown(caption), shown(text), QMessageBox::Ok, owner());
    box.exec();
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt,
                                               const std::string& caption,
                                               const std::string& initialText)
{
    if (unattended_)
        return std::nullopt;
    bool accepted = false;
    const QString text = QInputDialog::getText(owner(), shown(caption), shown(prompt),
                                               QLineEdit::Normal, fromUtf8(initialText), &accepted);
    if (!accepted)
        return std::nullopt;
    return toUtf8(text);
}

std::optional<std::string> QtDialogs::openFile(const OpenFileRequest& request)
{
    if (unattended_)
        return std::nullopt;
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters << toQt(filter);
    const QString path =
        QFileDialog::getOpenFileName(owner(), shown(request.title), fromUtf8(request.startFolder),
                                     filters.join(QStringLiteral(";;")));
    if (path.isEmpty())
        return std::nullopt;
    return toUtf8(path);
}

std::optional<std::string> QtDialogs::browseFolder(const std::string& title)
{
    if (unattended_)
        return std::nullopt;
    const QString folder = QFileDialog::getExistingDirectory(owner(), shown(title));
    if (folder.isEmpty())
        return std::nullopt;
    return toUtf8(folder);
}

std::optional<std::uint32_t> QtDialogs::pickColour(std::uint32_t initial)
{
    if (unattended_)
        return std::nullopt;
    // The stored layout is 0x00BBGGRR, red in the low byte.
    const QColor start(static_cast<int>(initial & 0xFF), static_cast<int>((initial >> 8) & 0xFF),
                       static_cast<int>((initial >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, owner());
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red()) |
           (static_cast<std::uint32_t>(chosen.green()) << 8) |
           (static_cast<std::uint32_t>(chosen.blue()) << 16);
}

} // namespace vnovla::platform::linux_desktop
