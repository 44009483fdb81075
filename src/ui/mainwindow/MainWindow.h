#pragma once

#include "app/CommandLine.h"
#include "app/LanguageFiles.h"
#include "base/Expected.h"
#include "session/ProgramState.h"
#include "stats/Statistics.h"
#include "ui/common/RunGate.h"
#include "ui/common/WindowHooks.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QMenu;
class QTabWidget;

namespace numora {
class WebClient;
}

namespace numora::ui {

// The pages of the five tabs.
class BerechnungPage;
class DatenbankPage;
class DiagrammPage;
class InternetPage;
class LottotippPage;
// The features' controllers.
class AnalysisController;
class CsvController;
class GenerationController;
class HistoryController;
class LanguageController;
class MailController;
class PrintController;
class SheetFilesController;
class SubmitController;
class WheelController;
// The print windows, for the tests.
class TForm4;
class TForm5;
class TForm8;
class GameController;
class StatusHints;
class StoredSettings;

// The main window: five tabs over the program's state. Start-up runs when it is first shown;
// closing it ends the program. It is also what long operations call back while they run.
class TForm1 final : public QMainWindow, private UiHooks {
    Q_OBJECT
public:
    static QString caption();          // "Veldors Numora Sayisal Loto 6/49"
    // The menu "Spiel" and the choice of the first start.
    GameController* games() const { return m_games; }
    // Plays the game `id`: stores the current game's settings as closing does (unless
    // `storeCurrent` is false), then loads the other's folder and settings as starting does.
    // Refused while a run goes on.
    void switchGame(const QString& id, bool storeCurrent = true);
    static QString applicationTitle(); // "Veldors Numora Turkiye"

    // Portable: every file in `programDir`.
    TForm1(const QString& programDir, CommandLine commandLine = {}, QWidget* parent = nullptr);
    TForm1(const ProgramFolders& folders, CommandLine commandLine = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    ProgramState& state() { return m_state; }
    // The desktop's languages a first start chooses from (tests replace them before showing).
    void setDesktopLanguages(std::function<QStringList()> languages) { m_desktopLanguages = std::move(languages); }
    const CommandLine& commandLine() const { return m_commandLine; }
    QLabel* statusPanel(int index) const { return index == 0 ? m_panel0 : m_panel1; }

    // The start-up sequence; runs once, when the window is first shown.
    void startup();
    // "Tipp laden aus Datei" with the file chosen: fills the sheet from `path` (empty: cancelled)
    // and shows the chosen date's draw again.
    void loadTipFrom(const QString& path);

    // "Tipps &berechnen" and "&Berechnen": a run, or the stop request of the run in progress.
    void calculate();
    bool generationRunning() const;

    // The ticket print: the print settings, then the preview.
    int printSettingsRun();
    // "Ab&geben" and the hidden "Tipp24" button: the print settings dialog in online mode.
    void submitOnline();
    TForm5* printSettings() const;
    TForm8* printPositions() const;
    TForm4& ticketPage() const;
    // The hidden "Export": the base file `path` and its template `path`.trans of every window.
    Status exportTextsTo(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // UiHooks
    void showMessage(const QString& text) override { m_hooks.showMessage(text); }
    bool askYesNo(const QString& caption, const QString& text) override { return m_hooks.askYesNo(caption, text); }
    QString askText(const QString& caption, const QString& prompt, const QString& proposed) override;
    std::optional<QString> askTextOrCancel(const QString& caption, const QString& prompt, const QString& proposed) override;
    void playSound(const QString& path) override;
    void pumpMessages() override;
    void setStatusText(const QString& text) override;
    void setStatusPanel0(const QString& text) override;
    void drawChanged() override;
    void setBusy(bool busy) override;
    void showChartTab() override;
    void showSheetTab() override;
    void chartChanged() override;
    void sheetChanged() override;
    void sheetChecked() override;
    void optionsChanged() override;
    PoolChoice editPool(NumberSelection& selection) override;

private:
    void buildMenu();
    // The game's folder, settings key, N and title; its settings are loaded after this.
    void enterGame(const Game& game);
    // The chosen date's draw and the distribution, as the start shows them.
    // The stored values of the game played; false when the store had unreadable values, which
    // the status bar then reports.
    bool loadSettings();
    bool showFirstView();
    void showGameTitle();
    void buildStatusBar();
    void connectWidgets();
    void connectStatistics();
    // Runs a statistic into the main chart; false when it ended with an error.
    bool runStatistic(Expected<StatisticRun> (*operation)(ProgramState&));
    // Runs a browser operation and shows its outcome; false when it ended with an error.
    bool runBrowser(Status (*operation)(ProgramState&));
    void showDraw();
    void showSheet();
    void evaluateSheet();
    void openDocumentation();
    void openAddress(const QString& address);
    void flushStatus();
    bool analysisRunning() const;
    // What shows the state again after a language switch.
    void languageApplied();
    // Every window in the order the program makes them; dialogs made per use are made for the
    // call and kept in `temporaries`.
    std::vector<QWidget*> languageWindows(std::vector<std::unique_ptr<QWidget>>& temporaries);

    ProgramState m_state;
    std::unique_ptr<StoredSettings> m_stored;
    CommandLine m_commandLine;
    ProgramFolders m_folders;
    std::function<QStringList()> m_desktopLanguages = &LanguageFiles::desktopLanguages;
    WindowHooks m_hooks;
    bool m_started = false;
    bool m_syncing = false;
    bool m_busy = false;
    RunGate m_gate;
    QString m_statusText;
    bool m_statusPending = false;
    QElapsedTimer m_paintClock;
    std::unique_ptr<WebClient> m_web;
    // The last statistic a run computed: its row checks empty the series afterwards, and the
    // Diagramm page shows the statistic, not the emptied series.
    std::optional<ResultSeries> m_runStatistic;
    StatusHints* m_statusHints = nullptr;
    AnalysisController* m_analysis = nullptr;
    WheelController* m_wheels = nullptr;
    GameController* m_games = nullptr;
    GenerationController* m_generation = nullptr;
    SheetFilesController* m_sheetFiles = nullptr;
    HistoryController* m_history = nullptr;
    MailController* m_mail = nullptr;
    CsvController* m_csv = nullptr;
    QMenu* m_fileMenu = nullptr;
    SubmitController* m_submit = nullptr;
    PrintController* m_print = nullptr;
    LanguageController* m_languages = nullptr;
    Expected<StatisticRun> (*m_lastStatistic)(ProgramState&) = nullptr; // the chart on show

    QTabWidget* m_pageControl = nullptr;
    LottotippPage* m_lottotipp = nullptr;
    BerechnungPage* m_berechnung = nullptr;
    DiagrammPage* m_diagramm = nullptr;
    DatenbankPage* m_datenbank = nullptr;
    InternetPage* m_internet = nullptr;
    QLabel* m_panel0 = nullptr;
    QLabel* m_panel1 = nullptr;
};

} // namespace numora::ui
