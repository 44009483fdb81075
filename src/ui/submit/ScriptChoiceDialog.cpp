#include "ui/submit/ScriptChoiceDialog.h"

#include "base/TextCatalog.h"
#include "base/WebClient.h"
#include "output/ClickScript.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/FileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace numora::ui {

QString TCRSForm::caption() { return QStringLiteral("Script für Zahlenübergabe auswählen!"); }

TCRSForm::TCRSForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CRSForm"));
    setWindowTitle(caption());
    setModal(true);

    scriptBox = new QComboBox(this);
    scriptBox->setObjectName(QStringLiteral("ComboBox1"));
    scriptBox->setEditable(true);
    scriptBox->setInsertPolicy(QComboBox::NoInsert);
    scriptBox->setMinimumContentsLength(40);
    browseButton = new QToolButton(this);
    browseButton->setObjectName(QStringLiteral("SpeedButton1"));
    browseButton->setText(QStringLiteral("..."));

    const auto edit = [this](const char* name, const QString& text) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    zahl1 = edit("ZAHL1", QStringLiteral("0"));
    zahl2 = edit("ZAHL2", QStringLiteral("0"));
    text1 = edit("TEXT1", QString());
    text1->setPlaceholderText(QStringLiteral("Login-Name"));
    text2 = edit("TEXT2", QString());
    text2->setPlaceholderText(QStringLiteral("Passwort"));
    text2->setEchoMode(QLineEdit::Password);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("BitBtn1"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancelButton->setObjectName(QStringLiteral("BitBtn2"));

    auto* root = new QVBoxLayout(this);
    auto* scriptLabel = new QLabel(QStringLiteral("Veldors Click-Script File"), this);
    scriptLabel->setBuddy(scriptBox);
    AccessibleNames::labelledBy(browseButton, {scriptLabel});
    root->addWidget(scriptLabel);
    auto* scriptRow = new QHBoxLayout;
    scriptRow->addWidget(scriptBox, 1);
    scriptRow->addWidget(browseButton);
    root->addLayout(scriptRow);
    auto* parameters = new QGroupBox(QStringLiteral("Parameter "), this);
    auto* grid = new QFormLayout(parameters);
    grid->addRow(QStringLiteral("ZAHL1"), zahl1);
    grid->addRow(QStringLiteral("TEXT1"), text1);
    grid->addRow(QStringLiteral("ZAHL2"), zahl2);
    grid->addRow(QStringLiteral("TEXT2"), text2);
    root->addWidget(parameters);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    root->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &TCRSForm::accept);
    connect(cancelButton, &QPushButton::clicked, this, &TCRSForm::reject);
    connect(browseButton, &QToolButton::clicked, this, &TCRSForm::browse);
}

QString TCRSForm::script() const { return scriptBox->currentText(); }

void TCRSForm::setScript(const QString& path) { scriptBox->setEditText(path); }

void TCRSForm::showEvent(QShowEvent* event)
{
    listTemplates();
    QDialog::showEvent(event);
}

void TCRSForm::listTemplates()
{
    const QString remembered = scriptBox->currentText();
    scriptBox->clear();
    const QStringList found = ClickScript::templates(m_folders);
    scriptBox->addItems(found);
    scriptBox->setEditText(remembered.isEmpty() && !found.isEmpty() ? found.last() : remembered);
}

void TCRSForm::browse()
{
    const QString path = FileDialogs::open(this, caption(), m_folders.find(QStringLiteral("Script")), tx(QStringLiteral("Veldors Click Script (*.crs)")),
                                           QStringLiteral("crs"));
    if (!path.isEmpty())
        scriptBox->setEditText(path);
}

void TCRSForm::accept()
{
    // Without redirects and without the proxy: the template comes from the services host itself.
    WebClient client;
    client.setFollowRedirects(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ClickScript::updateTemplate(client, m_servicesBase, script(), ClickScript::updatePath(m_folders, script()));
    QApplication::restoreOverrideCursor();
    QDialog::accept();
}

void TCRSForm::done(int result)
{
    for (QLineEdit* number : { zahl1, zahl2 }) {
        if (number->text().isEmpty())
            number->setText(QStringLiteral("0"));
    }
    QDialog::done(result);
}

} // namespace numora::ui
