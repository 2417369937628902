#include "ui/translation.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QWidget>

namespace vnovla::ui {

namespace {

constexpr char kEnglishTable[] = ":/i18n/vnovla_en.qm";

} // namespace

bool InterfaceTranslator::loadEnglish()
{
    return loadFile(QString::fromLatin1(kEnglishTable));
}

bool InterfaceTranslator::loadFile(const QString& qmFile)
{
    return table_.load(qmFile);
}

bool InterfaceTranslator::isEmpty() const
{
    return table_.isEmpty();
}

QString InterfaceTranslator::translate(const char*, const char* sourceText,
                                       const char* disambiguation, int n) const
{
    if (sourceText == nullptr)
        return {};
    QString found = table_.translate(kTranslationContext, sourceText, disambiguation, n);
    if (!found.isNull())
        return found;
    // Numbers filled into a text (page and button numbers) are not part of its source.
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    const QString source = QString::fromUtf8(sourceText);
    QStringList numbers;
    QString pattern;
    qsizetype copied = 0;
    for (auto it = digits.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        numbers << match.captured();
        pattern += source.mid(copied, match.capturedStart() - copied) + QLatin1Char('%') +
                   QString::number(numbers.size());
        copied = match.capturedEnd();
    }
    // Nine numbers at most: %10 would read as %1 followed by 0.
    if (numbers.isEmpty() || numbers.size() > 9)
        return {};
    pattern += source.mid(copied);
    found = table_.translate(kTranslationContext, pattern.toUtf8().constData(), disambiguation, n);
    if (found.isNull())
        return {};
    for (const QString& number : numbers)
        found = found.arg(number);
    return found;
}

bool installInterfaceLanguage(settings::InterfaceLanguage language)
{
    if (language != settings::InterfaceLanguage::English)
        return true;
    // Lives as long as the program: the application keeps only a pointer.
    static InterfaceTranslator english;
    if (!english.loadEnglish())
        return false;
    return QCoreApplication::installTranslator(&english);
}

QString translated(const QString& source)
{
    if (source.isEmpty())
        return source;
    return QCoreApplication::translate(kTranslationContext, source.toUtf8().constData());
}

QString translated(const std::string& source)
{
    return translated(QString::fromUtf8(source.data(), static_cast<qsizetype>(source.size())));
}

QString translated(const char* source)
{
    return translated(QString::fromUtf8(source));
}

void translateWidgets(QWidget* root)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (widget->isWindow())
            widget->setWindowTitle(translated(widget->windowTitle()));
        widget->setToolTip(translated(widget->toolTip()));
        widget->setAccessibleName(translated(widget->accessibleName()));
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(translated(label->text()));
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(translated(button->text()));
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            group->setTitle(translated(group->title()));
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int index = 0; index < tabs->count(); ++index)
                tabs->setTabText(index, translated(tabs->tabText(index)));
        else if (auto* choices = qobject_cast<QComboBox*>(widget))
            for (int index = 0; index < choices->count(); ++index)
                choices->setItemText(index, translated(choices->itemText(index)));
    }
}

} // namespace vnovla::ui
