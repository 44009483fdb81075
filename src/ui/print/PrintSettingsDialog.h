#pragma once

#include "output/PrintSettings.h"
#include "output/SubmitOptions.h"
#include "output/TicketLayout.h"

#include <QDialog>
#include <QFont>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace numora {
struct ProgramState;
}

namespace numora::ui {

class TForm8;

// "Druckeeinstellungen für den Lottoschein": what is played and how the ticket is printed.
// Binds to the print values and ticket choices of the program state: reads them when prepared,
// writes its own stored values (font, paper, portal) back when it closes.
class TForm5 final : public QDialog {
    Q_OBJECT
public:
    // The results of `exec`: anything else (the frame's close box, Esc) is an abort.
    enum Result { Abort = QDialog::Rejected, Print = 2, Online = 3 };

    TForm5(ProgramState& state, TForm8& positions, QWidget* parent);

    // Preparation of a print-settings run (the main window's part). It also shows what the game
    // played offers: without ticket layouts only one's own positions, without additional games,
    // ticket number or online submission those controls off, each saying why.
    void showStoredValues();
    void setSuperzahl(int digit);
    void setGames(bool spiel77, bool super6, bool glueck);
    void setFees(double oneDay, double bothDays);
    // As if the user chose the item: Oben/Links, "anpassen", the layout rule.
    void choosePreset(int item);
    void setOffsets(int top, int left);
    void setDays(PrintSettings::Days days);
    void setRows(int rows);
    // Online mode hands the sheet to a broker: no print controls, the portal choice, "&Online",
    // "Extra" only when `extraOffered`. Print mode is the dialog's normal state.
    void setOnlineMode(bool online, bool extraOffered = false);
    bool onlineMode() const { return m_online; }
    void clearExtra();
    // "Neu Losnummer welche noch nie gezogen wurde erzeugen": keeps the seventh digit.
    void generateTicketNumber();

    // What the print run reads.
    QString ticketNumber() const;
    int preset() const;
    int top() const;
    int left() const;
    int paper() const; // -1 when no item is chosen
    bool testImage() const;
    QFont printFont() const;
    GameBox game(int which) const; // 0 Spiel 77, 1 Super 6, 2 Glücksspirale
    TicketRequest request() const;
    double cost() const { return m_cost; }
    QString costText() const;
    // What the hand-over to a broker or Clickrunner reads.
    SubmitOptions options() const;

protected:
    void done(int result) override;

private:
    void showCost(bool byClick);
    void checkTicketNumber();
    void chooseFont();
    void extraToggled(bool on);
    void setDigits(const std::array<int, 7>& digits);
    void showGame();
    void printList();

    ProgramState& m_state;
    TForm8& m_positions;
    int m_rows = 0;
    double m_feeOneDay = PrintSettings::DefaultFeeOneDay;
    double m_feeBothDays = PrintSettings::DefaultFeeBothDays;
    int m_lastDigit = 0; // follows the seventh digit field
    bool m_online = false;
    double m_cost = 0.0;

    QCheckBox* m_saturday = nullptr;  // CheckBox1
    QCheckBox* m_wednesday = nullptr; // CheckBox2
    std::array<QCheckBox*, 3> m_games{}; // CheckBox3, CheckBox4, CheckBox6
    QCheckBox* m_extra = nullptr;     // CheckBox7
    QCheckBox* m_test = nullptr;      // CheckBox5
    QLabel* m_costLabel = nullptr;    // Label4
    std::array<QSpinBox*, 7> m_digits{}; // Edit3..Edit9 with their up-downs
    QToolButton* m_generate = nullptr; // SpeedButton2
    QToolButton* m_check = nullptr;    // SpeedButton3
    QGroupBox* m_presetGroup = nullptr; // RadioGroup1
    QButtonGroup* m_presets = nullptr;
    QPushButton* m_adjust = nullptr;  // anpassen
    QSpinBox* m_top = nullptr;        // UpDown1
    QSpinBox* m_left = nullptr;       // UpDown2
    QToolButton* m_font = nullptr;    // SpeedButton1
    QComboBox* m_paper = nullptr;     // ComboBox1
    QGroupBox* m_portalGroup = nullptr; // RadioGroup2
    QButtonGroup* m_portals = nullptr;
    QGroupBox* m_numberGroup = nullptr; // Losnummer
    QPushButton* m_list = nullptr;    // the plain list of the rows
    QPushButton* m_print = nullptr;   // BitBtn2
    QPushButton* m_abort = nullptr;   // BitBtn1
    QPushButton* m_onlineButton = nullptr; // BitBtn3
    QLabel* m_onlineText = nullptr;   // Label1, online mode only
    QGroupBox* m_placement = nullptr; // offsets, font and paper
    QLabel* m_topLabel = nullptr;
    QLabel* m_leftLabel = nullptr;
};

} // namespace numora::ui
