#include "ui/common/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <algorithm>

namespace numora::ui::AccessibleNames {

namespace {

// What describe() gave last; a name that differs from it was set by someone else and stays.
const char* const givenName = "numoraGivenAccessibleName";
const char* const givenDescription = "numoraGivenAccessibleDescription";
const char* const labelsProperty = "numoraAccessibleLabels";

using Labels = QList<QPointer<QWidget>>;

QString withoutMnemonic(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&')
            out += text[i];
        else if (i + 1 < text.size() && text[i + 1] == u'&')
            out += text[++i];
    }
    return out;
}

bool hasWord(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// A text as it is spoken: plain, one line, without the mnemonic marker and the colon that
// introduces a field. A text of dots or arrows says nothing.
QString spoken(const QString& text, bool mnemonic)
{
    QString plain = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    if (mnemonic)
        plain = withoutMnemonic(plain);
    plain = plain.simplified();
    while (plain.endsWith(u':'))
        plain = plain.chopped(1).trimmed();
    return hasWord(plain) ? plain : QString();
}

// The text a widget shows of its own.
QString captionOf(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return spoken(button->text(), true);
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return spoken(label->text(), true);
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return spoken(group->title(), true);
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return spoken(edit->placeholderText(), false);
    return {};
}

bool isControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)
        || (qobject_cast<const QAbstractSlider*>(w) && !qobject_cast<const QScrollBar*>(w))
        || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w);
}

// The field a spin box or an editable combo box types into speaks for its box.
QWidget* boxOfField(const QWidget* w)
{
    QWidget* parent = w->parentWidget();
    if (qobject_cast<const QLineEdit*>(w)
        && (qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent)))
        return parent;
    return nullptr;
}

QString labelledName(const QWidget* w)
{
    QStringList parts;
    for (const QPointer<QWidget>& label : w->property(labelsProperty).value<Labels>())
        if (label)
            if (QString text = captionOf(label); !text.isEmpty())
                parts << text;
    return parts.join(u' ');
}

// Sets what describe() derives unless someone else set the property.
void give(QWidget* w, const char* mark, const QString& current, const QString& derived,
          void (QWidget::*set)(const QString&))
{
    if (!current.isEmpty() && current != w->property(mark).toString())
        return;
    if (current != derived)
        (w->*set)(derived);
    w->setProperty(mark, derived);
}

void describeControl(QWidget* w, const QString& name, const QString& description)
{
    give(w, givenName, w->accessibleName(), name, &QWidget::setAccessibleName);
    give(w, givenDescription, w->accessibleDescription(), description, &QWidget::setAccessibleDescription);
}

// The composer of a control's name, kept as a child of the control.
class NameComposer final : public QObject {
public:
    // Found by name: the class has no meta-object of its own for findChild to cast with.
    static QString objectNameOf() { return QStringLiteral("qt_numora_name_composer"); }
    static const NameComposer* of(const QWidget* control)
    {
        return static_cast<const NameComposer*>(
            control->findChild<QObject*>(objectNameOf(), Qt::FindDirectChildrenOnly));
    }

    NameComposer(QWidget* control, std::function<QString()> compose) : QObject(control), m_compose(std::move(compose))
    {
        setObjectName(objectNameOf());
    }
    QString name() const { return m_compose(); }

private:
    std::function<QString()> m_compose;
};

class ShowWatcher final : public QObject {
public:
    explicit ShowWatcher(QObject* owner) : QObject(owner) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Every show, not just the first: a dialog that is kept may show other texts next time.
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog)
                describe(w);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void labelledBy(QWidget* control, const QList<QWidget*>& labels)
{
    Labels kept;
    for (QWidget* label : labels)
        kept.append(label);
    control->setProperty(labelsProperty, QVariant::fromValue(kept));
}

void composedName(QWidget* control, std::function<QString()> name)
{
    auto* composer = new NameComposer(control, std::move(name));
    describeControl(control, composer->name(), spoken(control->toolTip(), false));
}

void describe(QWidget* window)
{
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    QHash<const QWidget*, const QLabel*> buddies;
    for (const QWidget* w : widgets)
        if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
            buddies.insert(label->buddy(), label);

    QList<QWidget*> fields;
    for (QWidget* w : widgets) {
        if (!isControl(w))
            continue;
        if (boxOfField(w)) {
            fields << w;
            continue;
        }
        QString name;
        if (const NameComposer* composer = NameComposer::of(w))
            name = composer->name();
        if (name.isEmpty())
            name = labelledName(w);
        if (name.isEmpty())
            if (const QLabel* label = buddies.value(w))
                name = spoken(label->text(), true);
        if (name.isEmpty())
            name = captionOf(w);
        const QString hint = spoken(w->toolTip(), false);
        if (name.isEmpty())
            name = hint;
        describeControl(w, name, hint);
    }
    for (QWidget* field : fields) {
        const QWidget* box = boxOfField(field);
        describeControl(field, box->accessibleName(), box->accessibleDescription());
    }
}

void describeWindowsOnShow(QObject* owner) { new ShowWatcher(owner); }

} // namespace numora::ui::AccessibleNames
