#pragma once

#include "app/CommandLine.h"
#include "app/Einstellungen.h"
#include "app/LanguageFiles.h"
#include "base/Expected.h"
#include "session/ProgramState.h"
#include "stats/Statistics.h"
#include "ui/common/RunGate.h"
#include "ui/common/WindowHooks.h"
#include "ui/sheet/GenerationController.h"


#include <QElapsedTimer>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>
#include <QMainWindow>

class QAction;

namespace numora {
class WebClient;
struct Language;
struct TicketMark;
}
class QLabel;
class QPushButton;
class QTabWidget;

namespace numora::ui {

class BerechnungPage;
class ChanceComparisonWindow;
class DatenbankPage;
class DiagrammPage;
class InternetPage;
class LottotippPage;
class TForm4;
class TForm5;
class TForm8;
class TMailerForm;
class SubmitController;
class WheelController;
class GameController;
class HistoryController;
class SheetFilesController;
class InterfaceLanguage;
class StatusHints;

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

    // The ticket print (LottoZahlenPrint.cpp): the print settings, then the preview.
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
    // The CSV menu (LottoZahlenCsv.cpp).
    static QString csvImportQuestion(int draws, const QString& fileName);
    void buildCsvMenu();
    bool csvAllowed();
    void importCsv();
    void mergeCsvFile();
    void exportCsv();
    // The settings store (LottoZahlenSettings.cpp).
    // False when the store had unreadable values, which the status bar then reports.
    bool loadSettings();
    void saveSettings();
    void showStoredValues();
    void collectStoredValues();
    void connectAnalyses();
    // The e-mail button (LottoZahlenMail.cpp).
    void connectMail();
    void mailTip();
    // The Superzahl choice into the print settings dialog's seventh digit; false after an error.
    bool chooseSuperzahl();
    void runBacktest();
    void runRecurrence();
    void finishAnalysis();
    void showAnalysisProgress();
    bool analysisRunning() const { return m_backtest.running() || m_recurrence.running(); }
    // The start and stop both analyses share; `run` runs the analysis itself.
    void runAnalysis(QPushButton* button, RunControl& control, const std::function<void()>& run);
    void lockForAnalysis(QPushButton* running);
    void unlockAfterAnalysis();
    void buildPrintWindows();
    // The interface languages (LottoZahlenLanguage.cpp).
    void buildLanguageMenu();
    void showExportItem(bool visible);
    void applyLanguage(const Language& language);
    void applyStoredLanguage();
    // Every window in the order the program makes them; dialogs made per use are made for the
    // call and kept in `temporaries`.
    std::vector<QWidget*> languageWindows(std::vector<std::unique_ptr<QWidget>>& temporaries);
    void exportTexts();
    // False when the user goes back to the print settings.
    bool printTicket();
    bool printOffPaper(const std::vector<const TicketMark*>& off);
    void runPrintMode();

    ProgramState m_state;
    Einstellungen m_settings;
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
    RunControl& m_backtest;
    RunControl& m_recurrence;
    bool m_tabPickedDuringRun = false;
    // The last statistic a run computed: its row checks empty the series afterwards, and the
    // Diagramm page shows the statistic, not the emptied series.
    std::optional<ResultSeries> m_runStatistic;
    StatusHints* m_statusHints = nullptr;
    std::vector<QPointer<QWidget>> m_lockedForRun;
    std::vector<QPointer<QAction>> m_lockedActions;
    // While an analysis runs, what it asks of the window follows at display rate, not per draw.
    QWidget* m_pendingTab = nullptr; // the tab the analysis asked for last
    QString m_pendingSound;          // a fanfare the analysis asked for since the last pump
    QString m_pendingPanel0;
    QElapsedTimer m_progressClock;
    ChanceComparisonWindow* m_comparison = nullptr;
    WheelController* m_wheels = nullptr;
    GameController* m_games = nullptr;
    GenerationController* m_generation = nullptr;
    SheetFilesController* m_sheetFiles = nullptr;
    HistoryController* m_history = nullptr;
    TMailerForm* m_mailer = nullptr;
    SubmitController* m_submit = nullptr;
    InterfaceLanguage* m_language = nullptr;
    Expected<StatisticRun> (*m_lastStatistic)(ProgramState&) = nullptr; // the chart on show
    std::vector<QAction*> m_languageItems;
    QAction* m_exportSeparator = nullptr;
    QAction* m_exportItem = nullptr;

    QTabWidget* m_pageControl = nullptr;
    LottotippPage* m_lottotipp = nullptr;
    BerechnungPage* m_berechnung = nullptr;
    DiagrammPage* m_diagramm = nullptr;
    DatenbankPage* m_datenbank = nullptr;
    InternetPage* m_internet = nullptr;
    QLabel* m_panel0 = nullptr;
    QLabel* m_panel1 = nullptr;
    TForm5* m_form5 = nullptr;
    TForm8* m_form8 = nullptr;
    std::unique_ptr<TForm4> m_form4;
    QLabel* m_ticketLabel = nullptr;
};

} // namespace numora::ui
