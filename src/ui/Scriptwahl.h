#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace numora::ui {

// "Script für Zahlenübergabe auswählen!": the click-script template and Clickrunner's four
// parameters. Each showing lists the templates of the "Script" folder; OK first brings the chosen
// template up to date from the services host.
class TCRSForm final : public QDialog {
    Q_OBJECT
public:
    static QString caption();

    explicit TCRSForm(QWidget* parent);

    // The program's "Script" folder, known once start-up has found the program directory.
    void setScriptFolder(const QString& folder) { m_scriptFolder = folder; }
    // Where OK asks for a newer template (the services host of the moment).
    void setServicesBase(const QString& base) { m_servicesBase = base; }

    QString script() const;
    void setScript(const QString& path);

    QComboBox* scriptBox = nullptr;
    QToolButton* browseButton = nullptr;
    QLineEdit* zahl1 = nullptr;
    QLineEdit* zahl2 = nullptr;
    QLineEdit* text1 = nullptr;
    QLineEdit* text2 = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

public Q_SLOTS:
    void accept() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void listTemplates();
    void browse();

    QString m_scriptFolder;
    QString m_servicesBase;
};

} // namespace numora::ui
