#pragma once

#include "base/ProgramFolders.h"

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

    // The program's folders, known once start-up has found them: the templates are the user's
    // own and the shipped ones of the "Script" folders.
    void setFolders(const ProgramFolders& folders) { m_folders = folders; }
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

    ProgramFolders m_folders;
    QString m_servicesBase;
};

} // namespace numora::ui
