#include "ui/mainwindow/MainWindow.h"

#include "base/DayDate.h"
#include "app/ManualFile.h"
#include "base/TextCatalog.h"
#include "base/WebClient.h"
#include "model/Links.h"
#include "session/DrawBrowser.h"
#include "session/RowCheck.h"
#include "gen/SheetCommands.h"
#include "stats/Statistics.h"
#include "ui/common/AccessibleNames.h"
#include "ui/options/OptionsPage.h"
#include "ui/common/ClickableLabel.h"
#include "ui/history/DrawEntryDialog.h"
#include "ui/history/HistoryPage.h"
#include "ui/chart/ChartPage.h"
#include "ui/mainwindow/HelpKey.h"
#include "ui/mainwindow/StoredSettings.h"
#include "ui/internet/InternetPage.h"
#include "ui/sheet/SheetPage.h"
#include "ui/chart/MainChart.h"
#include "ui/print/TicketPage.h"
#include "ui/common/StatusHints.h"
#include "ui/sheet/TipSheetView.h"
#include "ui/common/WidgetFactory.h"
#include "ui/history/CsvController.h"
#include "ui/history/HistoryController.h"
#include "ui/language/LanguageController.h"
#include "ui/mail/MailController.h"
#include "ui/mail/MailWindow.h"
#include "ui/analysis/AnalysisController.h"
#include "ui/analysis/ChanceComparisonWindow.h"
#include "ui/print/PrintController.h"
#include "ui/print/PrintSettingsDialog.h"
#include "ui/print/TicketPositionDialog.h"
#include "ui/sheet/NumberSelectionDialog.h"
#include "ui/sheet/GenerationController.h"
#include "ui/sheet/SheetFilesController.h"
#include "ui/submit/ScriptChoiceDialog.h"
#include "ui/submit/SubmitController.h"
#include "ui/wheel/WheelController.h"
#include "ui/game/GameController.h"
#include "app/LanguageFiles.h"
#include "draws/GameCatalog.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QApplication>
#include <QCloseEvent>
#include <QInputDialog>
#include <QCheckBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace numora::ui {

namespace {

// Painting more often than the display refreshes only costs time.
constexpr qint64 paintIntervalMs = 16;

QDate toQDate(double day) { return DayDate::toDate(day).value_or(QDate()); }

} // namespace

QString TForm1::caption() { return GameController::title(GameCatalog::defaultGame(), {}); }

QString TForm1::applicationTitle() { return QStringLiteral("Veldors Numora Turkiye"); }

TForm1::TForm1(const QString& programDir, CommandLine commandLine, QWidget* parent)
    : TForm1(ProgramFolders::portableAt(programDir), std::move(commandLine), parent)
{
}

TForm1::TForm1(const ProgramFolders& folders, CommandLine commandLine, QWidget* parent)
    : QMainWindow(parent), m_commandLine(std::move(commandLine)), m_folders(folders), m_hooks(this),
      m_gate(m_state.generation, [this] { close(); }), m_web(std::make_unique<WebClient>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(caption());
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(13);
    setFont(arial);
    m_state.hooks = this;
    m_paintClock.start();
    // Dialogs made later are covered too: each window is described when it is shown.
    AccessibleNames::describeWindowsOnShow(this);

    m_pageControl = new QTabWidget(this);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_lottotipp = new LottotippPage(m_state.sheet, m_pageControl);
    m_berechnung = new BerechnungPage(m_pageControl);
    m_diagramm = new DiagrammPage(m_pageControl);
    m_datenbank = new DatenbankPage(m_pageControl);
    m_internet = new InternetPage(m_pageControl);
    m_pageControl->addTab(m_lottotipp, QStringLiteral("Lottotipp"));
    m_pageControl->addTab(m_berechnung, QStringLiteral("Berechnung"));
    m_pageControl->addTab(m_diagramm, QStringLiteral("Diagramm"));
    m_pageControl->addTab(m_datenbank, QStringLiteral("Datenbank"));
    m_pageControl->addTab(m_internet, QStringLiteral("Internet-Optionen"));
    // Pages the program keeps but never shows, each with its "wie oft" / "ausstehend" choice.
    for (const auto& [name, group] : {std::pair{"Super6", "RadioGroup3"}, std::pair{"Spiel 77", "RadioGroup4"}}) {
        auto* page = new QWidget(this);
        page->setObjectName(QString::fromLatin1(name));
        page->hide();
        auto* choice = new QGroupBox(page);
        choice->setObjectName(QString::fromLatin1(group));
        auto* items = new QButtonGroup(choice);
        for (const QString& item : {QStringLiteral("wie oft"), QStringLiteral("ausstehend")})
            items->addButton(new QRadioButton(item, choice), items->buttons().size());
        items->button(0)->setChecked(true);
    }
    setCentralWidget(m_pageControl);
    m_stored = std::make_unique<StoredSettings>(m_state, m_hooks, m_lottotipp, m_internet, this, [this] {
        m_generation->showOptions();
        showSheet();
        showDraw();
    });

    buildMenu();
    buildStatusBar();
    connectWidgets();
    m_print = new PrintController(m_state, m_hooks, m_stored->store(), m_lottotipp, m_internet, m_pageControl,
                                  m_fileMenu, *m_statusHints, [this] { return m_busy || generationRunning(); }, this);
    connect(m_print, &PrintController::chosenDrawRequested, this, [this] { runBrowser(&DrawBrowser::showChosenDate); });
    m_submit = new SubmitController(m_state, m_hooks, m_stored->store(), *m_web, m_lottotipp, m_internet,
                                    m_print->printSettings(),
                                    [this] { return !m_busy && !generationRunning() && m_print->chooseSuperzahl(); }, this);
    connect(m_print, &PrintController::onlineChosen, m_submit, &SubmitController::online);
    connect(m_submit, &SubmitController::onlineRequested, this, &TForm1::submitOnline);
    connect(m_submit, &SubmitController::hint, m_panel1, &QLabel::setText);
    resize(601, 476);
    move(400, 193);
}

TForm1::~TForm1()
{
    // Closing the window moves the focus out of a sheet field; the state is gone by then.
    m_lottotipp->sheetView->disconnect(this);
}

void TForm1::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // Nine items in the longest language at the designed width: no item may go behind "»".
    bar->setStyleSheet(QStringLiteral("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 1px; }"));
    auto action = [this](const QString& name, const QString& text) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        return a;
    };
    m_history = new HistoryController(m_state, m_hooks, m_gate, *m_web, m_datenbank, m_lottotipp, m_internet, this);
    connect(m_history, &HistoryController::runEnded, this, &TForm1::flushStatus);
    connect(m_history, &HistoryController::drawChanged, this, &TForm1::showDraw);
    connect(m_history, &HistoryController::sheetChanged, this, &TForm1::showSheet);
    m_generation = new GenerationController(m_state, m_hooks, m_gate, m_lottotipp, m_berechnung, m_datenbank, this);
    connect(m_generation, &GenerationController::runEnded, this, &TForm1::flushStatus);
    connect(m_generation, &GenerationController::drawChanged, this, &TForm1::showDraw);
    connect(m_generation, &GenerationController::sheetChanged, this, &TForm1::showSheet);
    connect(m_generation, &GenerationController::runStarting, this, [this] { m_runStatistic.reset(); });
    connect(m_generation, &GenerationController::chartChanged, this,
            [this] { m_diagramm->chart->show(m_runStatistic.value_or(m_state.chart)); });
    QAction* abgeben = action(QStringLiteral("Abgeben1"), QStringLiteral("Ab&geben"));
    connect(abgeben, &QAction::triggered, this, &TForm1::submitOnline);
    abgeben->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_games = new GameController(m_folders, m_hooks, this);
    connect(m_games, &GameController::switchRequested, this, [this](const QString& id) { switchGame(id); });
    bar->addMenu(m_games->menu());
    bar->addAction(m_history->action());
    bar->addAction(m_generation->action());
    bar->addAction(abgeben);
    m_wheels = new WheelController(m_state, m_hooks, this);
    connect(m_wheels, &WheelController::sheetChanged, this, [this] {
        if (m_state.sheet.sheetReady())
            evaluateSheet();
        else
            showSheet();
        showSheetTab();
    });
    bar->addAction(m_wheels->action());

    m_languages = new LanguageController(
        m_state, m_folders, m_hooks, [this](auto& temporaries) { return languageWindows(temporaries); },
        [this] { return m_busy || m_gate.anyRunning(); }, m_commandLine.exportTexts, bar, this);
    connect(m_languages, &LanguageController::applied, this, &TForm1::languageApplied);

    // "Datei" goes first: the CSV items now, the ticket print with the print windows.
    m_fileMenu = new QMenu(QStringLiteral("&Datei"), bar);
    m_fileMenu->setObjectName(QStringLiteral("Datei1"));
    const QList<QAction*> existing = bar->actions();
    bar->insertMenu(existing.isEmpty() ? nullptr : existing.first(), m_fileMenu);
    m_csv = new CsvController(m_state, m_hooks, m_gate, m_fileMenu, this);
    connect(m_csv, &CsvController::drawChanged, this, &TForm1::showDraw);
    connect(m_csv, &CsvController::sheetChanged, this, &TForm1::showSheet);

    QMenu* hilfe = bar->addMenu(QStringLiteral("Hilfe"));
    hilfe->setObjectName(QStringLiteral("Hilfe1"));
    QAction* documentation = action(QStringLiteral("Dokumentationanzeigen1"), QStringLiteral("Dokumentation anzeigen"));
    connect(documentation, &QAction::triggered, this, &TForm1::openDocumentation);
    hilfe->addAction(documentation);
    // F1 opens the same manual from every window of the program; the item only shows the key.
    documentation->setShortcut(QKeySequence(Qt::Key_F1));
    documentation->setShortcutContext(Qt::WidgetShortcut);
    new HelpKey(this, [this] { openDocumentation(); });

    QAction* schliessen = action(QStringLiteral("Schlieen1"), QStringLiteral("S&chließen"));
    connect(schliessen, &QAction::triggered, this, &QWidget::close);
    bar->addAction(schliessen);
}

void TForm1::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    m_panel0 = new QLabel(bar);
    m_panel0->setObjectName(QStringLiteral("StatusPanel0"));
    m_panel0->setFixedWidth(150);
    m_panel1 = new QLabel(bar);
    m_panel1->setObjectName(QStringLiteral("StatusPanel1"));
    m_panel1->setMinimumWidth(50);
    bar->addWidget(m_panel0);
    bar->addWidget(m_panel1, 1);
    m_statusHints = new StatusHints(this, m_panel1);
    connect(m_csv, &CsvController::hovered, m_statusHints, &StatusHints::show);
    connect(m_csv, &CsvController::reported, m_panel1, &QLabel::setText);
}

void TForm1::connectWidgets()
{
    TipSheetView* sheet = m_lottotipp->sheetView;
    connect(sheet, &TipSheetView::fieldLeft, this, [this] {
        if (m_state.sheet.sheetReady())
            evaluateSheet();
    });
    connect(m_lottotipp->clearAll, &QToolButton::clicked, this, [this] {
        SheetCommands::clearAllTips(m_state);
        showSheet();
    });
    connect(m_lottotipp->tipCount, &QSpinBox::valueChanged, this,
            [this](int value) { m_state.sheet.setTipCount(value); });
    connect(m_lottotipp->previousDraw, &QToolButton::clicked, this, [this] { runBrowser(&DrawBrowser::previousDraw); });
    connect(m_lottotipp->nextDraw, &QToolButton::clicked, this, [this] { runBrowser(&DrawBrowser::nextDraw); });
    connect(m_datenbank->showChosen, &QToolButton::clicked, this, [this] { runBrowser(&DrawBrowser::showChosenDate); });
    connect(m_lottotipp->saturdayDraws, &QCheckBox::toggled, this, [this](bool on) { m_state.saturdayDraws = on; });
    connect(m_lottotipp->wednesdayDraws, &QCheckBox::toggled, this, [this](bool on) { m_state.wednesdayDraws = on; });

    connect(m_datenbank->chosenDate, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (!m_syncing)
            m_state.chosenDate.setDate(DayDate::fromDate(date));
    });
    connect(m_diagramm->startDate, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (!m_syncing)
            m_state.startDate.setDate(DayDate::fromDate(date));
    });

    connectStatistics();
    m_sheetFiles = new SheetFilesController(m_state, m_hooks, m_gate, m_lottotipp, this);
    connect(m_sheetFiles, &SheetFilesController::drawChanged, this, &TForm1::showDraw);
    connect(m_sheetFiles, &SheetFilesController::sheetChanged, this, &TForm1::showSheet);
    connect(m_sheetFiles, &SheetFilesController::chosenDrawRequested, this,
            [this] { runBrowser(&DrawBrowser::showChosenDate); });
    m_mail = new MailController(m_state, m_lottotipp, this);
    m_analysis = new AnalysisController(m_state, m_hooks, m_gate,
                                        {m_pageControl, m_lottotipp, m_berechnung, m_diagramm, m_datenbank},
                                        menuBar(), m_fileMenu, m_panel0, m_panel1, this);
    connect(m_analysis, &AnalysisController::runStarting, this, [this] { m_runStatistic.reset(); });
    connect(m_analysis, &AnalysisController::progressDue, this, [this] {
        flushStatus();
        m_generation->showCaption();
        showDraw();
    });
    connect(m_analysis, &AnalysisController::runEnded, this, [this] {
        setBusy(false);
        m_generation->showCaption();
        flushStatus();
        m_generation->showOptions();
        showDraw();
        showSheet();
        m_diagramm->chart->show(m_runStatistic.value_or(m_state.chart));
    });
    connect(m_analysis, &AnalysisController::openRequested, this, &TForm1::openAddress);

    connect(m_internet, &InternetPage::linkClicked, this,
            [this](const QString& caption) { openAddress(Links::targetOf(caption)); });
    for (ClickableLabel* panel : {m_lottotipp->productPanel1, m_lottotipp->productPanel2})
        connect(panel, &ClickableLabel::clicked, this, [this] { openAddress(Links::productPage()); });
}

void TForm1::connectStatistics()
{
    using Operation = Expected<StatisticRun> (*)(ProgramState&);
    auto bind = [this](QAbstractButton* button, Operation operation, bool chartFirst = false) {
        connect(button, &QAbstractButton::clicked, this, [this, operation, chartFirst] {
            if (chartFirst)
                m_pageControl->setCurrentWidget(m_diagramm);
            runStatistic(operation);
        });
    };
    const Operation pairs = Statistics::byName(QStringLiteral("pairs"));
    const Operation triples = Statistics::byName(QStringLiteral("triples"));
    const Operation quads = Statistics::byName(QStringLiteral("quads"));
    const Operation primes = Statistics::byName(QStringLiteral("primes"));
    const Operation odd = Statistics::byName(QStringLiteral("odd"));
    const Operation even = Statistics::byName(QStringLiteral("even"));

    bind(m_diagramm->distribution, &Statistics::numberDistribution);
    bind(m_diagramm->digitSum, &Statistics::digitSums);
    bind(m_diagramm->pairs, pairs);
    bind(m_diagramm->triples, triples);
    bind(m_diagramm->quads, quads);
    bind(m_diagramm->overdue, &Statistics::overdueNumbers);
    bind(m_diagramm->superOverdue, &Statistics::overdueSuperzahl);
    bind(m_diagramm->superFrequency, &Statistics::superzahlFrequency, true);
    bind(m_datenbank->pairs, pairs);
    bind(m_datenbank->triples, triples);
    bind(m_datenbank->quads, quads);
    bind(m_datenbank->overdue, &Statistics::overdueNumbers);
    bind(m_datenbank->superOverdue, &Statistics::overdueSuperzahl);
    bind(m_datenbank->primes, primes);
    bind(m_datenbank->odd, odd);
    bind(m_datenbank->even, even);
    bind(m_lottotipp->sheetDistribution, &Statistics::sheetDistribution);
    bind(m_berechnung->superzahlTab->findChild<QToolButton*>(QStringLiteral("SuperAus")), &Statistics::overdueSuperzahl);
    bind(m_berechnung->superzahlTab->findChild<QToolButton*>(QStringLiteral("Superselten")), &Statistics::superzahlFrequency, true);
    // The small buttons beside the generation options; the groupings and digit sums switch first.
    bind(m_berechnung->distributionButton, &Statistics::numberDistribution);
    bind(m_berechnung->overdueButton, &Statistics::overdueNumbers);
    bind(m_berechnung->pairsButton, pairs, true);
    bind(m_berechnung->triplesButton, triples, true);
    bind(m_berechnung->quadsButton, quads, true);
    bind(m_berechnung->digitSumButton, &Statistics::digitSums, true);
    bind(m_berechnung->primesButton, primes);
    bind(m_berechnung->evenButton, even);
    bind(m_berechnung->oddButton, odd);
    bind(m_berechnung->mathPairsButton, pairs, true);
    bind(m_berechnung->mathTriplesButton, triples, true);
    bind(m_berechnung->mathQuadsButton, quads, true);
    auto bindLabel = [this](QLabel* label, Operation operation) {
        connect(static_cast<ClickableLabel*>(label), &ClickableLabel::clicked, this, [this, operation] {
            m_pageControl->setCurrentWidget(m_diagramm);
            runStatistic(operation);
        });
    };
    bindLabel(m_berechnung->digitSumLabel, &Statistics::digitSums);
    bindLabel(m_berechnung->pairsLabel, pairs);
    bindLabel(m_berechnung->triplesLabel, triples);
    bindLabel(m_berechnung->quadsLabel, quads);

    connect(m_diagramm->chart, &MainChart::barHovered, m_panel1, &QLabel::setText);
}

bool TForm1::runStatistic(Expected<StatisticRun> (*operation)(ProgramState&))
{
    m_lastStatistic = operation;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto run = operation(m_state);
    QApplication::restoreOverrideCursor();
    m_diagramm->chart->show(m_state.chart);
    if (!run) {
        m_hooks.showError(run.error().message);
        return false;
    }
    if (run->showChartTab)
        m_pageControl->setCurrentWidget(m_diagramm);
    return true;
}

void TForm1::languageApplied()
{
    m_generation->retranslate();
    if (!m_started)
        return;
    // Labels that show the current draw and sheet carry their designed texts in the files;
    // the chart on show is drawn again under titles in the new language.
    showDraw();
    showSheet();
    m_statusHints->replaceResting(tx(QStringLiteral("Ihre Dateien: %1")).arg(QDir::toNativeSeparators(m_state.programDir)));
    m_statusHints->refresh();
    m_analysis->retranslate();
    m_wheels->retranslate();
    m_games->retranslate();
    // The language file's title is the default game's.
    if (m_state.game.id != QLatin1String(Game::DefaultId))
        showGameTitle();
    if (m_lastStatistic) {
        QWidget* page = m_pageControl->currentWidget();
        runStatistic(m_lastStatistic);
        m_pageControl->setCurrentWidget(page);
    }
}

std::vector<QWidget*> TForm1::languageWindows(std::vector<std::unique_ptr<QWidget>>& temporaries)
{
    // The dialogs made per use exist here only for the walk; the texts found for them are kept
    // and given to every instance when it is first shown.
    auto temporary = [&temporaries](std::unique_ptr<QWidget> window) {
        temporaries.push_back(std::move(window));
        return temporaries.back().get();
    };
    NumberSelection selection;
    std::vector<QWidget*> windows{this, m_print->printSettings()};
    windows.push_back(temporary(std::make_unique<TForm3>(nullptr)));
    windows.push_back(temporary(std::make_unique<TForm6>(selection, *m_state.random, nullptr)));
    windows.push_back(m_print->printPositions());
    windows.push_back(m_mail->mailer());
    windows.push_back(m_submit->scriptChoice());
    windows.push_back(m_analysis->comparison() ? static_cast<QWidget*>(m_analysis->comparison())
                                               : temporary(std::make_unique<ChanceComparisonWindow>(nullptr)));
    return windows;
}

Status TForm1::exportTextsTo(const QString& path) { return m_languages->exportTextsTo(path); }

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_started) {
        m_started = true;
        startup();
    }
}

void TForm1::startup()
{
    // Number and date formats are fixed by the program's own formatting, whatever the locale.
    m_state.resetForStartup(m_folders);
    // Asked after the settings are read, in the language they choose; a print run asks nothing.
    const bool firstStart = !m_commandLine.printMode && m_games->firstStart();
    // The first start of an installed program brings the shipped history into the user's folder.
    const Status prepared = m_folders.prepare(QString::fromLatin1(DrawFile::DefaultName));
    const Game played = m_games->storedGame();
    if (played.id != QLatin1String(Game::DefaultId))
        enterGame(played);
    else
        m_games->showPlayed(played);
    // The folder in use stays in the status bar between hints; a report of unreadable settings
    // comes first.
    const bool settingsClean = loadSettings();
    m_statusHints->setResting(tx(QStringLiteral("Ihre Dateien: %1")).arg(QDir::toNativeSeparators(m_state.programDir)),
                              settingsClean);
    if (!prepared)
        m_hooks.showError(prepared.error().message);
    if (!showFirstView())
        return;
    if (firstStart) {
        const QString chosen = m_games->askFirstGame(GameController::suggestedGame(m_desktopLanguages()));
        if (chosen != m_state.game.id)
            switchGame(chosen, false);
    }
    if (m_commandLine.printMode)
        m_print->runPrintMode(m_commandLine.tipFile);
    else if (!m_commandLine.openFile.isEmpty())
        loadTipFrom(m_commandLine.openFile);
}

bool TForm1::loadSettings()
{
    const QString problems = m_stored->load(m_desktopLanguages, [this] { m_languages->applyStored(); });
    if (!problems.isEmpty()) {
        // Reported once; the next save writes a clean file.
        setStatusText(problems);
        flushStatus();
    }
    return problems.isEmpty();
}

bool TForm1::showFirstView()
{
    m_state.sheet.setSheetReady(true);
    m_state.generatorLoopLimit = m_state.params.loopLimit();
    if (m_internet->proxyHost->text().isEmpty())
        m_internet->proxyPort->setText(QStringLiteral("80"));
    m_state.random->seedFromClock();
    m_state.chosenDate.setDate(m_state.todayDay());
    showDraw();
    // A new game of the player's has no draws yet: nothing to show, nothing gone wrong.
    if (m_state.game.id != QLatin1String(Game::DefaultId) && QFileInfo(m_state.drawFilePath()).size() == 0) {
        showSheet();
        setStatusText(tx(QStringLiteral("%1 hat noch keine Ziehungen: \"Datenbank aktualisieren\" mit einer Adresse, "
                                        "das CSV-Menü oder \"Eingeben\" füllt sie."))
                          .arg(m_state.game.name));
        return true;
    }
    if (!runBrowser(&DrawBrowser::showChosenDate))
        return false;
    return runStatistic(&Statistics::numberDistribution);
}

void TForm1::enterGame(const Game& game)
{
    if (Status prepared = GameCatalog::prepare(m_folders, game); !prepared)
        m_hooks.showError(prepared.error().message);
    m_state.resetForStartup(GameCatalog::foldersFor(m_folders, game));
    // A game without a shipped history starts with an empty one, which the entry can extend.
    if (!m_state.drawFile().exists())
        if (const Status created = m_state.drawFile().create(); !created)
            m_hooks.showError(created.error().message);
    m_stored->store() = Einstellungen(RegistryKey::userKey(Einstellungen::keyPathFor(game.id)));
    // A game without stored values starts empty, not with another game's numbers, ticket
    // number or results address (which would merge one game's draws into another).
    for (int r = 0; r < TTippSchein::RowCount; ++r)
        m_state.sheet.row(r) = TTippreihe{};
    m_state.sheet.setTicketNumber(QString());
    m_state.csvAddress.clear();
    // Nor with the other game's draw on show, which the sheet would be checked against.
    m_state.currentDraw = CurrentDraw{};
    m_state.shownDraw = DrawDisplay{};
    m_state.shownDrawCopy = DrawDisplay{};
    std::optional<double> first;
    if (auto records = m_state.drawFile().readAll(); records && !records->empty())
        first = records->front().Datum;
    m_state.useGame(game, first);
    // The chart on show was the other game's; the start shows this game's.
    m_lastStatistic = nullptr;
    m_internet->csvAddress->setPlaceholderText(game.resultsAddress);
    m_wheels->forgetWindow();
    // Online submission and click scripts only where the game has them.
    m_submit->showGame();
    m_games->showPlayed(game);
    showGameTitle();
}

void TForm1::showGameTitle()
{
    const Language* language = LanguageFiles::languageOf(m_state.sprache);
    setWindowTitle(GameController::title(m_state.game, language ? QString::fromLatin1(language->code) : QString()));
}

void TForm1::switchGame(const QString& id, bool storeCurrent)
{
    if (m_busy || m_gate.anyRunning()) {
        m_hooks.showMessage(tx(QStringLiteral("Das Spiel wechselt erst, wenn die laufende Berechnung beendet ist.")));
        m_games->showPlayed(m_state.game);
        return;
    }
    const auto game = GameCatalog::find(m_folders, id);
    if (!game) {
        m_hooks.showError(game.error().message);
        m_games->showPlayed(m_state.game);
        return;
    }
    if (storeCurrent)
        m_stored->save();
    if (Status stored = m_games->storePlayed(game->id); !stored)
        m_hooks.showError(stored.error().message);
    enterGame(*game);
    // A game played for the first time starts from the options and language of the game left
    // (its sheet and address empty), not from the designed ones and the desktop's language.
    if (!QFileInfo::exists(m_stored->store().key().filePath())) {
        const Qt::WindowStates s = windowState();
        const WindowSize size{height(), width(), !(s & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))};
        if (const Status seeded = m_stored->store().save(m_state, size); !seeded)
            m_hooks.showError(seeded.error().message);
    }
    const bool settingsClean = loadSettings();
    m_statusHints->replaceResting(tx(QStringLiteral("Ihre Dateien: %1")).arg(QDir::toNativeSeparators(m_state.programDir)));
    if (settingsClean)
        m_statusHints->refresh();
    showFirstView();
}

bool TForm1::runBrowser(Status (*operation)(ProgramState&))
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Status status = operation(m_state);
    QApplication::restoreOverrideCursor();
    showDraw();
    showSheet();
    if (!status) {
        m_hooks.showError(status.error().message);
        return false;
    }
    return true;
}

void TForm1::showDraw()
{
    m_syncing = true;
    m_datenbank->drawLine->setText(DrawBrowser::drawLine(m_state.shownDraw, m_state.game));
    m_lottotipp->drawLine->setText(DrawBrowser::drawLine(m_state.shownDrawCopy, m_state.game));
    const QString sum = DrawBrowser::sumLabel(m_state.shownDraw);
    m_lottotipp->sumLabel->setText(sum.isEmpty() ? QStringLiteral("QS: ") : sum);
    m_datenbank->chosenDate->setDate(toQDate(m_state.chosenDate.value));
    m_diagramm->startDate->setDate(toQDate(m_state.startDate.value));
    m_syncing = false;
}

void TForm1::showSheet() { m_lottotipp->sheetView->refresh(); }

void TForm1::evaluateSheet()
{
    Komplettcheck(m_state);
    showSheet();
}

void TForm1::openDocumentation()
{
    // The manual of the interface language, German for a language it is not written in.
    openAddress(QUrl::fromLocalFile(m_state.folders().doc + ManualFile::name(m_state.sprache)).toString());
}

void TForm1::openAddress(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

TForm5* TForm1::printSettings() const { return m_print->printSettings(); }
TForm8* TForm1::printPositions() const { return m_print->printPositions(); }
TForm4& TForm1::ticketPage() const { return m_print->ticketPage(); }
int TForm1::printSettingsRun() { return m_print->printSettingsRun(); }
void TForm1::submitOnline() { m_print->submitOnline(); }

void TForm1::loadTipFrom(const QString& path) { m_sheetFiles->loadFrom(path); }

bool TForm1::analysisRunning() const { return m_analysis && m_analysis->running(); }

bool TForm1::generationRunning() const { return m_generation->running(); }

void TForm1::calculate() { m_generation->calculate(); }

void TForm1::closeEvent(QCloseEvent* event)
{
    // The run's loop is further up the stack: ask it to stop and close when it has ended.
    if (m_gate.anyRunning()) {
        m_gate.stopAllAndClose();
        event->ignore();
        return;
    }
    // A failed save is shown, and the window closes all the same.
    m_stored->save();
    QMainWindow::closeEvent(event);
}

QString TForm1::askText(const QString& caption, const QString& prompt, const QString& proposed)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(this, caption, prompt, QLineEdit::Normal, proposed, &ok);
    return ok ? answer : proposed;
}

std::optional<QString> TForm1::askTextOrCancel(const QString& caption, const QString& prompt, const QString& proposed)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(this, caption, prompt, QLineEdit::Normal, proposed, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

void TForm1::pumpMessages()
{
    if (m_paintClock.elapsed() < paintIntervalMs)
        return;
    if (analysisRunning()) {
        m_analysis->showProgress();
    } else {
        flushStatus();
        m_generation->showCaption();
    }
    QApplication::processEvents();
    m_paintClock.restart();
}

void TForm1::setStatusText(const QString& text)
{
    m_statusText = text;
    m_statusPending = true;
    if (analysisRunning())
        return; // shown with the analysis' progress
    if (m_paintClock.elapsed() >= paintIntervalMs || !generationRunning())
        flushStatus();
}

void TForm1::flushStatus()
{
    if (!m_statusPending)
        return;
    m_panel1->setText(m_statusText);
    m_statusPending = false;
}

void TForm1::setBusy(bool busy)
{
    // The generations of an analysis would switch the cursor twice per draw.
    if (busy == m_busy || (!busy && analysisRunning()))
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TForm1::playSound(const QString& path)
{
    // Restarting the fanfare for every row of every draw of an analysis is only noise: once
    // per paint is what can be heard.
    if (analysisRunning())
        m_analysis->deferSound(path);
    else
        m_hooks.playSound(path);
}

void TForm1::showChartTab()
{
    // The generations of a back-test would flip between the chart and the sheet per draw.
    if (m_analysis->backtestRunning())
        m_analysis->deferTab(m_diagramm);
    else
        m_pageControl->setCurrentWidget(m_diagramm);
}

void TForm1::showSheetTab()
{
    if (m_analysis->backtestRunning())
        m_analysis->deferTab(m_lottotipp);
    else
        m_pageControl->setCurrentWidget(m_lottotipp);
}

void TForm1::chartChanged()
{
    // A run empties the series when it ends; the Diagramm page keeps showing its last statistic.
    m_runStatistic = m_state.chart;
    if (!analysisRunning())
        m_diagramm->chart->show(m_state.chart);
}

void TForm1::sheetChecked()
{
    // The hit marks of a back-test's pass go with its draw: both shown at once, or the sheet would
    // keep the marks of another draw.
    if (analysisRunning()) {
        showDraw();
        showSheet();
    }
}

void TForm1::sheetChanged()
{
    // An analysis makes a sheet per draw, faster than anyone reads; it shows the last one, the
    // options and the chart when it ends, and meanwhile its progress in the draw and status bar.
    if (!analysisRunning())
        showSheet();
}

void TForm1::optionsChanged()
{
    if (!analysisRunning())
        m_generation->showOptions();
}

void TForm1::setStatusPanel0(const QString& text)
{
    // An analysis reports every draw; the panel shows them at display rate.
    if (analysisRunning())
        m_analysis->deferPanel0(text);
    else
        m_panel0->setText(text);
}

void TForm1::drawChanged() { showDraw(); }

PoolChoice TForm1::editPool(NumberSelection& selection) { return m_generation->editPool(selection); }

} // namespace numora::ui
