#pragma once

#include "settings/interface_language.h"

#include <QString>
#include <QTranslator>

#include <string>

class QWidget;

namespace vnovla::ui {

// Every text of the program, whether written in core (menus, messages, captions) or here, is
// its Japanese source text; translations are looked up by that text alone, in one table, so
// that a text moved between files or classes keeps its translation.
inline constexpr char kTranslationContext[] = "vnovla";

// The English table. It answers every lookup whatever the context the caller names (tr() of
// any class), and finds texts with numbers filled in ("Page 3 を追加…") through their pattern
// with %1, %2… in the number's places.
class InterfaceTranslator : public QTranslator
{
public:
    // Loads the table built with the program; false when it is missing.
    bool loadEnglish();
    bool loadFile(const QString& qmFile);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override;

private:
    QTranslator table_;
};

// Installs the English table on the application for English; Japanese needs nothing, the
// texts are written in it. Returns false when English was asked for and could not be loaded
// (the program then stays in Japanese).
bool installInterfaceLanguage(settings::InterfaceLanguage language);

// A text of the program as the user reads it: its translation, or the text itself.
QString translated(const std::string& source);
QString translated(const char* source);
QString translated(const QString& source);

// Translates the fixed texts of a window built with source texts: window titles, labels,
// buttons, frame titles, tabs, list choices, tooltips and accessible names. Line edits and
// other values the user typed are left alone.
void translateWidgets(QWidget* root);

} // namespace vnovla::ui
