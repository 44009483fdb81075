#include "ui/language/InterfaceLanguage.h"

#include "model/Meldungen.h"
#include "base/TextCatalog.h"
#include "ui/common/AccessibleNames.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace numora::ui {

namespace {

// The font character set a language file gave a widget. Qt draws Unicode text with whatever
// font covers it, so the number changes nothing on screen; it is kept for the export.
constexpr const char* CharsetProperty = "fontCharset";
// The caption of a page that is never shown, so has no tab to carry it.
constexpr const char* CaptionProperty = "caption";
constexpr const char* GenerationProperty = "languageGeneration";
constexpr const char* NamedProperty = "unnamedWidgetsNamed";
constexpr int DefaultCharset = 1;

bool ownName(const QObject* object)
{
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

bool isRadioGroup(const QObject* object)
{
    return qobject_cast<const QGroupBox*>(object) && object->objectName().startsWith(QLatin1String("RadioGroup"));
}

QTabWidget* tabsOf(const QWidget* page)
{
    if (!qobject_cast<QStackedWidget*>(page->parent()))
        return nullptr;
    return qobject_cast<QTabWidget*>(page->parent()->parent());
}

int charsetOf(const QObject* object)
{
    const QVariant value = object->property(CharsetProperty);
    return value.isValid() ? value.toInt() : DefaultCharset;
}

// Qt's composite widgets build children of their own; their texts are Qt's business.
bool qtInternals(const QObject* object)
{
    return qobject_cast<const QDialogButtonBox*>(object) || qobject_cast<const QTabBar*>(object)
        || qobject_cast<const QComboBox*>(object);
}

std::optional<WidgetEntry> entryOf(QObject* object, const QString& owner)
{
    if (!ownName(object))
        return std::nullopt;
    WidgetEntry e{owner, object->objectName(), WidgetKind::Label, {}, {}, charsetOf(object), true};
    if (auto* menu = qobject_cast<QMenu*>(object)) {
        e.kind = WidgetKind::MenuItem;
        e.caption = menu->title();
        e.hint = menu->menuAction()->statusTip();
        e.visible = menu->menuAction()->isVisible();
        return e;
    }
    if (auto* action = qobject_cast<QAction*>(object)) {
        if (action->isSeparator())
            return std::nullopt;
        e.kind = WidgetKind::MenuItem;
        e.caption = action->text();
        e.hint = action->statusTip();
        e.visible = action->isVisible();
        return e;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return std::nullopt;
    e.hint = widget->toolTip();
    e.visible = widget->isVisibleTo(widget->window());
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        e.kind = e.name.startsWith(QLatin1String("Panel")) ? WidgetKind::Panel : WidgetKind::Label;
        e.caption = label->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        e.kind = isRadioGroup(group) ? WidgetKind::RadioGroup : WidgetKind::Panel;
        e.caption = group->title();
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        if (isRadioGroup(radio->parent())) // an item of a radio group, not a widget of its own
            return std::nullopt;
        e.kind = WidgetKind::RadioButton;
        e.caption = radio->text();
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        e.kind = WidgetKind::CheckBox;
        e.caption = check->text();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        e.kind = e.name.startsWith(QLatin1String("BitBtn")) ? WidgetKind::BitButton : WidgetKind::Button;
        e.caption = button->text();
    } else if (auto* speed = qobject_cast<QToolButton*>(widget)) {
        e.kind = WidgetKind::SpeedButton;
        e.caption = speed->text();
    } else if (qobject_cast<QLineEdit*>(widget)) {
        e.kind = WidgetKind::Edit;
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
        // A number field's own edit carries its name and hint; a date picker has only itself.
        const auto* field = spin->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
        if (field && ownName(field))
            return std::nullopt;
        e.kind = WidgetKind::Edit;
    } else if (QTabWidget* tabs = tabsOf(widget)) {
        e.kind = WidgetKind::TabSheet;
        e.caption = tabs->tabText(tabs->indexOf(widget));
        e.hint = tabs->tabToolTip(tabs->indexOf(widget));
    } else if (e.name.startsWith(QLatin1String("TabSheet"))) {
        e.kind = WidgetKind::TabSheet; // a page the program keeps but never shows
        e.caption = widget->property(CaptionProperty).toString();
    } else {
        return std::nullopt;
    }
    return e;
}

// Children in creation order; the pages of a tab control in the order they were added, which
// is the order they were made in.
QObjectList childrenOf(QObject* parent)
{
    auto* stack = qobject_cast<QStackedWidget*>(parent);
    if (!stack)
        return parent->children();
    QObjectList ordered;
    for (int i = 0; i < stack->count(); ++i)
        ordered << stack->widget(i);
    for (QObject* child : parent->children())
        if (!ordered.contains(child))
            ordered << child;
    return ordered;
}

void visit(QObject* parent, QWidget* window, std::vector<WalkedWidget>& out)
{
    for (QObject* child : childrenOf(parent)) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget != window && widget->isWindow() && !qobject_cast<QMenu*>(widget))
            continue;
        if (auto entry = entryOf(child, window->objectName()))
            out.push_back({child, std::move(*entry)});
        if (!qtInternals(child))
            visit(child, window, out);
    }
}

// The radio group `name` of `window` itself, not of a dialog it owns.
QGroupBox* radioGroupOf(QWidget* window, const QString& name)
{
    for (QGroupBox* group : window->findChildren<QGroupBox*>(name))
        if (group->window() == window || group->parentWidget()->window() == window)
            return group;
    return nullptr;
}

QString qtLanguageOf(const QString& code)
{
    if (code == QLatin1String("sp"))
        return QStringLiteral("es");
    if (code == QLatin1String("cz"))
        return QStringLiteral("cs");
    return code;
}

} // namespace

std::vector<WalkedWidget> LanguageWalk::walk(QWidget* window)
{
    std::vector<WalkedWidget> out;
    out.push_back({window,
                   {applicationName(), window->objectName(), WidgetKind::Window, window->windowTitle(),
                    window->toolTip(), charsetOf(window), true}});
    visit(window, window, out);
    return out;
}

void LanguageWalk::nameUnnamed(QWidget* window)
{
    if (window->property(NamedProperty).toBool())
        return;
    window->setProperty(NamedProperty, true);
    struct Kind {
        const char* prefix;
        bool (*is)(const QObject*);
    };
    static const Kind kinds[] = {
        {"Label", [](const QObject* o) { return qobject_cast<const QLabel*>(o) != nullptr; }},
        {"GroupBox", [](const QObject* o) { return qobject_cast<const QGroupBox*>(o) != nullptr; }},
        {"CheckBox", [](const QObject* o) { return qobject_cast<const QCheckBox*>(o) != nullptr; }},
        {"Button", [](const QObject* o) { return qobject_cast<const QPushButton*>(o) != nullptr; }},
        {"SpeedButton", [](const QObject* o) { return qobject_cast<const QToolButton*>(o) != nullptr; }},
    };
    // The widgets of the window in creation order, without Qt's own parts.
    std::vector<QObject*> widgets;
    const std::function<void(QObject*)> collect = [&](QObject* parent) {
        for (QObject* child : childrenOf(parent)) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (!widget || (widget->isWindow() && !qobject_cast<QMenu*>(widget)) || qtInternals(widget)
                || qobject_cast<QMenuBar*>(widget) || qobject_cast<QAbstractSpinBox*>(widget))
                continue;
            widgets.push_back(widget);
            collect(widget);
        }
    };
    collect(window);
    for (const Kind& kind : kinds) {
        const QString prefix = QString::fromLatin1(kind.prefix);
        const QRegularExpression numbered(QStringLiteral("^%1(\\d+)$").arg(prefix));
        int highest = 0;
        for (QObject* w : widgets)
            if (const auto m = numbered.match(w->objectName()); m.hasMatch())
                highest = std::max(highest, m.captured(1).toInt());
        for (QObject* w : widgets)
            if (w->objectName().isEmpty() && kind.is(w) && !(qobject_cast<QRadioButton*>(w)))
                w->setObjectName(prefix + QString::number(++highest));
    }
}

void LanguageWalk::setTexts(const WalkedWidget& widget, const LanguageLookup::Texts& texts)
{
    QObject* object = widget.object;
    const WidgetKind kind = widget.entry.kind;
    if (texts.caption && kind != WidgetKind::Edit) {
        const QString& caption = *texts.caption;
        if (kind == WidgetKind::Window)
            static_cast<QWidget*>(object)->setWindowTitle(caption);
        else if (auto* menu = qobject_cast<QMenu*>(object))
            menu->setTitle(caption);
        else if (auto* action = qobject_cast<QAction*>(object))
            action->setText(caption);
        else if (auto* label = qobject_cast<QLabel*>(object))
            label->setText(caption);
        else if (auto* group = qobject_cast<QGroupBox*>(object))
            group->setTitle(caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(object))
            button->setText(caption);
        else if (auto* page = qobject_cast<QWidget*>(object); page && tabsOf(page))
            tabsOf(page)->setTabText(tabsOf(page)->indexOf(page), caption);
        else if (kind == WidgetKind::TabSheet)
            object->setProperty(CaptionProperty, caption);
    }
    if (texts.hint) {
        const QString& hint = *texts.hint;
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            menu->menuAction()->setStatusTip(hint);
        } else if (auto* action = qobject_cast<QAction*>(object)) {
            action->setStatusTip(hint);
        } else if (auto* widgetObject = qobject_cast<QWidget*>(object)) {
            if (QTabWidget* tabs = tabsOf(widgetObject)) {
                tabs->setTabToolTip(tabs->indexOf(widgetObject), hint);
            } else {
                widgetObject->setToolTip(hint);
                // A number field shows the hint over its arrows too.
                if (auto* spin = qobject_cast<QAbstractSpinBox*>(widgetObject->parentWidget()))
                    spin->setToolTip(hint);
            }
        }
    }
    if (texts.charset && kind != WidgetKind::MenuItem)
        object->setProperty(CharsetProperty, *texts.charset);
}

InterfaceLanguage::InterfaceLanguage(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

int InterfaceLanguage::apply(const Language& language, const ProgramFolders& folders, const std::vector<QWidget*>& windows,
                             Meldungen& meldungen)
{
    switchQtTexts(language);
    const QString code = QString::fromLatin1(language.code);
    // The composed texts first, so everything made below speaks the language; a missing or
    // unreadable file leaves them German.
    if (const auto texts = LanguageFiles::readLines(folders.find(LanguageFiles::textFile(code))))
        TextCatalog::load(*texts);
    else
        TextCatalog::clear();
    int applied = 0;
    // Without the base file no caption changes; a translation file that exists but cannot be
    // read as text leaves the captions as they are rather than falling back to the base texts.
    const auto base = LanguageFiles::readLines(folders.find(LanguageFiles::baseFile()));
    const QString translationPath = folders.find(LanguageFiles::translationFile(code));
    auto translation = LanguageFiles::readLines(translationPath);
    const bool damaged = !translation && QFileInfo::exists(translationPath);
    if (base && !damaged) {
        LanguageLookup lookup(LanguageFiles::parseBase(*base), std::move(translation));
        m_texts.clear();
        ++m_generation;
        for (QWidget* window : windows) {
            LanguageWalk::nameUnnamed(window);
            for (const WalkedWidget& w : LanguageWalk::walk(window)) {
                const auto record = lookup.find(w.entry.owner, w.entry.name);
                if (!record)
                    continue;
                const auto texts = lookup.textsOf(*record);
                m_texts.insert(key(w.entry.owner, w.entry.name), texts);
                LanguageWalk::setTexts(w, texts);
                ++applied;
            }
            window->setProperty(GenerationProperty, m_generation);
        }
    }
    applyRadioItems(folders, code, windows);
    if (const auto messages = LanguageFiles::readLines(folders.find(LanguageFiles::messageFile(code))))
        meldungen.replaceAll(mergeLines(meldungen.lines(), *messages));
    for (QWidget* window : windows)
        AccessibleNames::describe(window); // a screen reader says the new texts
    return applied;
}

void InterfaceLanguage::applyRadioItems(const ProgramFolders& folders, const QString& code,
                                        const std::vector<QWidget*>& windows)
{
    if (windows.empty())
        return;
    const std::pair<int, QStringList> groups[] = {
        {1, {QStringLiteral("RadioGroup1")}},
        {2, {QStringLiteral("RadioGroup2")}},
        {3, {QStringLiteral("RadioGroup3"), QStringLiteral("RadioGroup4")}},
    };
    for (const auto& [file, names] : groups) {
        const auto items = LanguageFiles::readLines(folders.find(LanguageFiles::radioFile(file, code)));
        if (!items)
            continue;
        for (const QString& name : names) {
            QGroupBox* group = radioGroupOf(windows.front(), name);
            if (!group)
                continue;
            // The items stand for stored choices: their number stays, a short file leaves the
            // rest as they are.
            const auto buttons = group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
            for (qsizetype i = 0; i < buttons.size() && i < items->size(); ++i)
                buttons[i]->setText(items->at(i));
        }
    }
}

void InterfaceLanguage::switchQtTexts(const Language& language)
{
    if (m_qtTexts) {
        QCoreApplication::removeTranslator(m_qtTexts);
        delete m_qtTexts;
        m_qtTexts = nullptr;
    }
    auto* texts = new QTranslator(this);
    const QString name = QStringLiteral("qtbase_") + qtLanguageOf(QString::fromLatin1(language.code));
    if (texts->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(texts);
        m_qtTexts = texts;
    } else {
        delete texts; // English is Qt's own
    }
}

void InterfaceLanguage::translate(QWidget* window)
{
    window->setProperty(GenerationProperty, m_generation);
    if (m_texts.isEmpty())
        return;
    LanguageWalk::nameUnnamed(window);
    for (const WalkedWidget& w : LanguageWalk::walk(window)) {
        const auto found = m_texts.constFind(key(w.entry.owner, w.entry.name));
        if (found != m_texts.constEnd())
            LanguageWalk::setTexts(w, *found);
    }
    AccessibleNames::describe(window);
}

bool InterfaceLanguage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && m_generation > 0) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget)
            && widget->property(GenerationProperty).toInt() != m_generation)
            translate(widget);
    }
    return QObject::eventFilter(watched, event);
}

Status InterfaceLanguage::exportTexts(const QString& path, const std::vector<QWidget*>& windows)
{
    std::vector<WidgetEntry> entries;
    for (QWidget* window : windows) {
        LanguageWalk::nameUnnamed(window);
        for (WalkedWidget& w : LanguageWalk::walk(window))
            entries.push_back(std::move(w.entry));
    }
    return LanguageFiles::writeExport(path, LanguageFiles::exportTexts(entries));
}

} // namespace numora::ui
