#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace numora {
class ProgramState;
}

namespace numora::ui {

class ClickableLabel;

// The "Internet-Optionen" tab: the service address, proxy, web links and the fields the program
// keeps hidden.
class InternetPage final : public QWidget {
    Q_OBJECT
public:
    explicit InternetPage(QWidget* parent);

    QLineEdit* proxyHost = nullptr;   // ProxyHostEdit
    QLineEdit* proxyPort = nullptr;   // ProxyPortEdit
    QLineEdit* serviceAddress = nullptr; // ServiceAddressEdit "Dienst-Adresse:", the update service
    QLineEdit* csvAddress = nullptr; // CsvAddressEdit "CSV-Adresse der Ziehungen:", replaces the service when set
    QLineEdit* url = nullptr;         // URLEdit, the maker's home page; hidden and disabled
    QLineEdit* feeOneDay = nullptr;   // Edit81, hidden
    QLineEdit* feeBothDays = nullptr; // Edit82, hidden
    QCheckBox* linkPage = nullptr;    // CheckBox21 "Linkseite aktivieren"
    QCheckBox* saturdayOnly = nullptr; // CheckBox32, hidden
    QList<ClickableLabel*> links;

    // The proxy, the service address (when one is given) and the CSV address into the state.
    void copyTo(ProgramState& state) const;

Q_SIGNALS:
    void linkClicked(const QString& caption);
};

} // namespace numora::ui
