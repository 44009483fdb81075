#pragma once

#include "app/CommandLine.h"
#include "app/Expected.h"
#include "app/ProgramState.h"
#include "stats/Statistics.h"
#include "ui/WindowHooks.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QTabWidget;

namespace numora::ui {

class DatenbankPage;
class DiagrammPage;
class InternetPage;
class LottotippPage;

// The main window: five tabs over the program's state. Start-up runs when it is first shown;
// closing it ends the program.
class TForm1 final : public QMainWindow {
    Q_OBJECT
public:
    static QString caption();          // "Veldors Numora Sayisal Loto 6/49"
    static QString applicationTitle(); // "Veldors Numora Turkiye"

    TForm1(const QString& programDir, CommandLine commandLine = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    ProgramState& state() { return m_state; }
    const CommandLine& commandLine() const { return m_commandLine; }
    QLabel* statusPanel(int index) const { return index == 0 ? m_panel0 : m_panel1; }

    // The start-up sequence; runs once, when the window is first shown.
    void startup();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenu();
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

    ProgramState m_state;
    CommandLine m_commandLine;
    QString m_programDir;
    WindowHooks m_hooks;
    bool m_started = false;
    bool m_syncing = false;

    QTabWidget* m_pageControl = nullptr;
    LottotippPage* m_lottotipp = nullptr;
    QWidget* m_berechnung = nullptr;
    DiagrammPage* m_diagramm = nullptr;
    DatenbankPage* m_datenbank = nullptr;
    InternetPage* m_internet = nullptr;
    QLabel* m_panel0 = nullptr;
    QLabel* m_panel1 = nullptr;
};

} // namespace numora::ui
