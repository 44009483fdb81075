#include "ui/internet/InternetPage.h"
#include "session/ProgramState.h"

#include "base/TextCatalog.h"
#include "ui/common/AccessibleNames.h"

#include "model/Links.h"
#include "ui/common/ClickableLabel.h"
#include "ui/common/WidgetFactory.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace numora::ui {

InternetPage::InternetPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet5"));
    auto* root = new QVBoxLayout(this);

    auto* serviceForm = new QFormLayout;
    serviceAddress = makeEdit(this, QStringLiteral("ServiceAddressEdit"), QString(),
                              QStringLiteral("Adresse des Dienstes für die Aktualisierung der Ziehungen"));
    QLabel* serviceLabel = makeLabel(this, QStringLiteral("LabelServiceAddress"), QStringLiteral("Dienst-Adresse:"));
    serviceLabel->setBuddy(serviceAddress);
    serviceForm->addRow(serviceLabel, serviceAddress);
    csvAddress = makeEdit(this, QStringLiteral("CsvAddressEdit"), QString(),
                          QStringLiteral("CSV-Datei der Ziehungen im Netz, die statt des Dienstes geladen wird"));
    QLabel* csvLabel = makeLabel(this, QStringLiteral("LabelCsvAddress"), QStringLiteral("CSV-Adresse der Ziehungen:"));
    csvLabel->setBuddy(csvAddress);
    serviceForm->addRow(csvLabel, csvAddress);
    root->addLayout(serviceForm);

    auto* proxyBox = new QGroupBox(QStringLiteral("Proxy"), this);
    auto* form = new QFormLayout(proxyBox);
    proxyHost = makeEdit(proxyBox, QStringLiteral("ProxyHostEdit"), QString(),
                         QStringLiteral("Name des Proxy-Servers; leer ohne Proxy"));
    proxyPort = makeEdit(proxyBox, QStringLiteral("ProxyPortEdit"), QStringLiteral("80"),
                         QStringLiteral("Port des Proxy-Servers"));
    QLabel* hostLabel = makeLabel(proxyBox, QStringLiteral("Label5"), QStringLiteral("Proxy-Server:"));
    hostLabel->setBuddy(proxyHost);
    form->addRow(hostLabel, proxyHost);
    QLabel* portLabel = makeLabel(proxyBox, QStringLiteral("Label6"), QStringLiteral("Proxy-Port:"));
    portLabel->setBuddy(proxyPort);
    form->addRow(portLabel, proxyPort);
    root->addWidget(proxyBox);

    auto* linkBox = new QGroupBox(QStringLiteral("Links"), this);
    auto* linkLayout = new QVBoxLayout(linkBox);
    const QStringList captions{Links::makerHomePage(), Links::resultsPage(), Links::brokerPage()};
    for (int i = 0; i < captions.size(); ++i) {
        auto* link = new ClickableLabel(captions[i], linkBox);
        link->setObjectName(QStringLiteral("LinkLabel%1").arg(i + 1));
        link->setToolTip(QStringLiteral("Im Browser öffnen"));
        link->setCursor(Qt::PointingHandCursor);
        QFont underlined = link->font();
        underlined.setUnderline(true);
        link->setFont(underlined);
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
        link->setPalette(palette);
        connect(link, &ClickableLabel::clicked, this, [this, link] { Q_EMIT linkClicked(link->text()); });
        links.append(link);
        linkLayout->addWidget(link);
    }
    linkPage = makeCheckBox(linkBox, QStringLiteral("CheckBox21"), QStringLiteral("Linkseite aktivieren"), false);
    linkLayout->addWidget(linkPage);
    root->addWidget(linkBox);

    url = hidden(pending(makeEdit(this, QStringLiteral("URLEdit"), Links::makerHomePage())));
    feeOneDay = hidden(makeEdit(this, QStringLiteral("Edit81"), QStringLiteral("0,50")));
    feeBothDays = hidden(makeEdit(this, QStringLiteral("Edit82"), QStringLiteral("1,00")));
    // Not shown, but named like every field, should a layout ever show them.
    AccessibleNames::composedName(url, [] { return tx(QStringLiteral("Adresse der Startseite")); });
    AccessibleNames::composedName(feeOneDay, [] { return tx(QStringLiteral("Gebühr für eine Ziehung")); });
    AccessibleNames::composedName(feeBothDays, [] { return tx(QStringLiteral("Gebühr für beide Ziehungen")); });
    saturdayOnly = hidden(makeCheckBox(this, QStringLiteral("CheckBox32"),
                                       QStringLiteral("Ich spiele nur Samstags (Samstag bei Abgabe  vordefiniert)"),
                                       false));
    root->addStretch(1);
}

void InternetPage::copyTo(ProgramState& state) const
{
    state.proxyHost = proxyHost->text();
    state.proxyPort = proxyPort->text();
    if (!serviceAddress->text().trimmed().isEmpty())
        state.hosts.services = serviceAddress->text().trimmed();
    state.csvAddress = csvAddress->text().trimmed();
}

} // namespace numora::ui
