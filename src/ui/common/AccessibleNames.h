#pragma once

#include <QList>
#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace numora::ui::AccessibleNames {

// Gives every control of `window` the accessible name a screen reader announces, and its hint as
// description, from the texts the window shows now: the texts it is labelled by (labelledBy()),
// else its buddy label, else its own caption, else its hint; the field inside a spin box or
// combo box takes the name of its box. Names set elsewhere are kept; names this function gave are
// recomputed on every call, so a call after the texts changed announces the new texts.
void describe(QWidget* window);

// `control` is announced by the joined texts of `labels` (labels, check boxes, group boxes), for
// a field that stands inside a sentence or in a grid cell under a column title.
void labelledBy(QWidget* control, const QList<QWidget*>& labels);

// `control` is announced by what `name` composes (e.g. "Tipp 3, Zahl 5" from the catalogue of
// texts), composed again on every describe(), so it follows the interface language.
void composedName(QWidget* control, std::function<QString()> name);

// From now on until `owner` is destroyed, every window is described when it is shown.
void describeWindowsOnShow(QObject* owner);

} // namespace numora::ui::AccessibleNames
