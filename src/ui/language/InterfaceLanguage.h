#pragma once

#include "base/ProgramFolders.h"

#include "app/LanguageFiles.h"
#include "base/Expected.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTranslator>

#include <vector>

class QWidget;

namespace numora {
class Meldungen;
}

namespace numora::ui {

// A widget of a window as the language files see it.
struct WalkedWidget {
    QObject* object;
    WidgetEntry entry;
};

// The walk over a window: the window itself (owned by the application), then every widget and
// menu item it owns, in creation order. Child windows are walked on their own.
class LanguageWalk {
public:
    static QString applicationName() { return QStringLiteral("Application"); }
    static std::vector<WalkedWidget> walk(QWidget* window);
    // Gives the labels, group boxes and buttons that were built without a component name one,
    // counted on from the highest number of their kind in the window, so every text has an
    // address. Runs once per window; the names follow from the order the window is built in.
    static void nameUnnamed(QWidget* window);
    // Sets what `texts` holds; an edit field takes only the hint, a menu item no character set.
    static void setTexts(const WalkedWidget& widget, const LanguageLookup::Texts& texts);
};

// The interface language: applies the files of the folder "land" to the windows and to
// Meldungen, switches Qt's own texts, and exports the current texts for translators.
class InterfaceLanguage final : public QObject {
public:
    explicit InterfaceLanguage(QObject* parent = nullptr);

    // Applies `language` to `windows` (every window of the program, in creation order). Windows
    // shown later (dialogs made per use) get the same texts when they are first shown.
    // Returns the number of widgets that got texts.
    int apply(const Language& language, const ProgramFolders& folders, const std::vector<QWidget*>& windows,
              Meldungen& meldungen);

    // The base file `path` and the template `path`.trans of every window's current texts.
    static Status exportTexts(const QString& path, const std::vector<QWidget*>& windows);

    // Translates a window made after the last apply.
    void translate(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QString key(const QString& owner, const QString& name) { return owner.trimmed() + u'\n' + name.trimmed(); }
    void switchQtTexts(const Language& language);
    void applyRadioItems(const ProgramFolders& folders, const QString& code, const std::vector<QWidget*>& windows);

    QHash<QString, LanguageLookup::Texts> m_texts; // what the walk matched, by owner and name
    int m_generation = 0;
    QTranslator* m_qtTexts = nullptr;
};

} // namespace numora::ui
