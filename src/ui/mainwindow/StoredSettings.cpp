// The main window's side of the settings store: the stored values go into the state and its
// widgets at start-up, and back into the store when the window closes.
#include "ui/mainwindow/StoredSettings.h"

#include "app/LanguageFiles.h"
#include "base/TextCatalog.h"
#include "session/ProgramState.h"
#include "ui/common/WindowHooks.h"
#include "ui/internet/InternetPage.h"
#include "ui/sheet/SheetPage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>

namespace numora::ui {

namespace {

QButtonGroup* radioItems(QWidget* window, const QString& name)
{
    auto* group = window->findChild<QGroupBox*>(name);
    return group ? group->findChild<QButtonGroup*>() : nullptr;
}

void checkItem(QButtonGroup* items, int index)
{
    if (!items)
        return;
    if (QAbstractButton* b = items->button(index))
        b->setChecked(true);
}

int checkedItem(QButtonGroup* items, int fallback)
{
    return items && items->checkedId() >= 0 ? items->checkedId() : fallback;
}

} // namespace

StoredSettings::StoredSettings(ProgramState& state, WindowHooks& hooks, LottotippPage* sheet, InternetPage* internet,
                               QWidget* window, std::function<void()> shown)
    : m_state(state), m_hooks(hooks), m_sheet(sheet), m_internet(internet), m_window(window), m_shown(std::move(shown))
{
}

QString StoredSettings::load(const std::function<QStringList()>& desktopLanguages,
                             const std::function<void()>& applyLanguage)
{
    WindowSize size;
    Einstellungen::LoadSteps steps;
    // The language comes before any message, so every later text is in it.
    steps.afterGroupD = applyLanguage;
    // A first start speaks the desktop's language; a stored choice replaces it.
    m_state.sprache = LanguageFiles::forLocale(desktopLanguages());
    const auto report = m_settings.load(m_state, size, steps);
    showStoredValues();
    if (size.height > 0 && size.width > 0)
        m_window->resize(size.width, size.height);
    if (report.problems.isEmpty())
        return {};
    return tx(QStringLiteral("Einstellungen: %1 unlesbare Angabe(n) in %2 übergangen (%3)"))
        .arg(report.problems.size())
        .arg(report.filePath, report.problems.first());
}

void StoredSettings::showStoredValues()
{
    m_sheet->saturdayDraws->setChecked(m_state.saturdayDraws);
    m_sheet->wednesdayDraws->setChecked(m_state.wednesdayDraws);
    m_sheet->tipCount->setValue(m_state.sheet.tipCount());
    m_internet->linkPage->setChecked(m_state.linkPage);
    m_internet->saturdayOnly->setChecked(m_state.params.saturdayOnly());
    m_internet->feeOneDay->setText(m_state.print.feeOneDraw);
    m_internet->feeBothDays->setText(m_state.print.feeBothDraws);
    // Each of these fields copies all of them into the state when it changes: set from copies.
    const QString proxyHost = m_state.proxyHost;
    const QString proxyPort = m_state.proxyPort;
    const QString services = m_state.hosts.services;
    const QString csvAddress = m_state.csvAddress;
    m_internet->url->setText(m_state.urlEdit);
    m_internet->proxyHost->setText(proxyHost);
    m_internet->proxyPort->setText(proxyPort);
    m_internet->serviceAddress->setText(services);
    m_internet->csvAddress->setText(csvAddress);
    checkItem(radioItems(m_window, QStringLiteral("RadioGroup1")), m_state.ticket.superzahlOption);
    checkItem(radioItems(m_window, QStringLiteral("RadioGroup2")), m_state.ticket.losnummerOption);
    m_shown();
}

void StoredSettings::collectStoredValues()
{
    m_internet->copyTo(m_state);
    m_state.linkPage = m_internet->linkPage->isChecked();
    m_state.params.setSaturdayOnly(m_internet->saturdayOnly->isChecked());
    m_state.print.feeOneDraw = m_internet->feeOneDay->text();
    m_state.print.feeBothDraws = m_internet->feeBothDays->text();
    m_state.urlEdit = m_internet->url->text();
    m_state.ticket.superzahlOption = checkedItem(radioItems(m_window, QStringLiteral("RadioGroup1")), m_state.ticket.superzahlOption);
    m_state.ticket.losnummerOption = checkedItem(radioItems(m_window, QStringLiteral("RadioGroup2")), m_state.ticket.losnummerOption);
}

void StoredSettings::save()
{
    collectStoredValues();
    const Qt::WindowStates s = m_window->windowState();
    const WindowSize size{m_window->height(), m_window->width(), !(s & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))};
    if (const Status saved = m_settings.save(m_state, size); !saved)
        m_hooks.showError(tx(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.\n%1")).arg(saved.error().message));
}

} // namespace numora::ui
