#pragma once

#include <QString>

#include <optional>

namespace numora {

class NumberSelection;

// What the pool dialog asked the run to do.
enum class PoolChoice { Ok, Rechnen, Cancel };

// What an operation needs from the window while it runs. The window implements it; the
// command line and the tests use this silent default or a fake.
class UiHooks {
public:
    virtual ~UiHooks() = default;
    virtual void showMessage(const QString& text) { (void)text; }
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& caption, const QString& text)
    {
        (void)caption;
        (void)text;
        return false;
    }
    // An input box; cancelling returns the proposed text.
    virtual QString askText(const QString& caption, const QString& prompt, const QString& proposed)
    {
        (void)caption;
        (void)prompt;
        return proposed;
    }
    // The same input box where Cancel means "do not start": nullopt then. Without a window there is
    // no Cancel, so the answer is askText's.
    virtual std::optional<QString> askTextOrCancel(const QString& caption, const QString& prompt, const QString& proposed)
    {
        return askText(caption, prompt, proposed);
    }
    // Starts playing a sound file without waiting; a new start cuts the previous one.
    virtual void playSound(const QString& path) { (void)path; }

    // Long operations: let the window process what is pending (clicks, typing, painting).
    virtual void pumpMessages() {}
    // Text for panel 1 of the status bar. Called once per candidate row, so it must be cheap.
    virtual void setStatusText(const QString& text) { (void)text; }
    // Text for panel 0 of the status bar (progress and errors of the draw update).
    virtual void setStatusPanel0(const QString& text) { (void)text; }
    // The current draw and its texts changed inside a longer operation.
    virtual void drawChanged() {}
    virtual void setBusy(bool busy) { (void)busy; }
    virtual void showChartTab() {}
    virtual void showSheetTab() {}
    // The result series changed (a statistic ran inside a longer operation).
    virtual void chartChanged() {}
    // A sheet row was written; the window repaints it.
    virtual void sheetChanged() {}
    // The sheet was just checked against the current draw inside a longer operation: the two
    // belong together on screen.
    virtual void sheetChecked() {}
    // The operation changed options behind their widgets.
    virtual void optionsChanged() {}
    // The pool in the number selection dialog, shown modally.
    virtual PoolChoice editPool(NumberSelection& selection)
    {
        (void)selection;
        return PoolChoice::Ok;
    }

    static UiHooks& silent();
};

} // namespace numora
