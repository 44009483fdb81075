// Takes the pictures of the user manual from the real windows, on the offscreen platform:
// the main window on each tab and each options tab, the number selection, the print settings,
// their positioning window and the preview cropped to the ticket, the comparison window after a
// back-test, the window "Systeme", the mail window and the draw entry, once per manual language,
// with that language's dates. Every run starts from the shipped history, fresh settings, a fixed
// "today" and a sheet generated from a fixed seed, so the pictures are the same from build to
// build.
//
//   make_screenshots HISTORY.csv LAND_DIR TICKET_DIR OUT_DIR CODE...
//
// writes OUT_DIR/CODE/NAME.png for each language code (de, en, tr, ...).
#include "app/LanguageFiles.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "support/SecretServiceSession.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/wheel/WheelWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsView>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace numora;

namespace {

// The day the pictures are taken on: the Wednesday after the last shipped draw.
const QDate Today(2019, 11, 6);
// The seed of the sheet on the pictures, and the lucky number of the back-test.
constexpr std::uint32_t SheetSeed = 4711;
const QString BacktestLuckyNumber = QStringLiteral("4711");
// The back-test replays the draws from here to the end of the history.
const QDate BacktestStart(2019, 9, 1);

// Swallows every "open this file or address" of the window: nothing is opened while shooting.
class DesktopSink final : public QObject {
    Q_OBJECT
public Q_SLOTS:
    void open(const QUrl&) {}
};

void wait(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The picture of a window with a title bar above it that names the window, as on a desktop. It
// keeps the screen's density (the build takes them at twice the usual one), and says so in the
// file, so that the manual shows it at the window's size with every pixel.
QImage withTitle(QWidget* window)
{
    const QPixmap content = window->grab();
    // The density as the pixels show it: a grab does not always carry it.
    const qreal ratio = window->width() > 0 ? qreal(content.width()) / window->width() : 1.0;
    QFont font = QApplication::font();
    font.setPixelSize(13);
    font.setBold(true);
    const int barHeight = QFontMetrics(font).height() + 10;
    const QSize logical = window->size();
    QImage image(QSize(logical.width() + 2, logical.height() + barHeight + 1) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(qRound(96 / 0.0254 * ratio));
    image.setDotsPerMeterY(qRound(96 / 0.0254 * ratio));
    image.fill(QColor(70, 90, 120));
    QPainter painter(&image);
    painter.drawImage(QRectF(1, barHeight, logical.width(), logical.height()), content.toImage());
    painter.setPen(Qt::white);
    painter.setFont(font);
    painter.drawText(QRect(8, 0, logical.width() - 14, barHeight), Qt::AlignVCenter | Qt::AlignLeft, window->windowTitle());
    return image;
}

// The part of a print preview that holds the ticket: the coloured pixels, for the page is white
// and the frame around it grey.
QImage ticketOnly(const QImage& page)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 12)
                bounds |= QRect(x, y, 1, 1);
        }
    if (bounds.isEmpty())
        return page;
    const int margin = qRound(8 * page.devicePixelRatio());
    QImage ticket = page.copy(bounds.adjusted(-margin, -margin, margin, margin) & page.rect());
    ticket.setDevicePixelRatio(page.devicePixelRatio());
    ticket.setDotsPerMeterX(qRound(96 / 0.0254 * page.devicePixelRatio()));
    ticket.setDotsPerMeterY(ticket.dotsPerMeterX());
    return ticket;
}

class Shooter {
public:
    Shooter(QString folder) : m_folder(std::move(folder)) {}

    bool ok() const { return m_ok; }

    void save(QWidget* window, const QString& name)
    {
        QApplication::processEvents();
        const QString path = m_folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!withTitle(window).save(path)) {
            std::fprintf(stderr, "make_screenshots: cannot write %s\n", qPrintable(path));
            m_ok = false;
        }
    }

    void saveImage(const QImage& image, const QString& name)
    {
        const QString path = m_folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!image.save(path)) {
            std::fprintf(stderr, "make_screenshots: cannot write %s\n", qPrintable(path));
            m_ok = false;
        }
    }

    // Runs `open`, which shows a modal window; `inWindow` shoots it and may act in it, then the
    // window is closed unless `inWindow` closed it. A window that does not come up is an error.
    void withModal(const std::function<void()>& open, const std::function<void(QDialog&)>& inWindow)
    {
        bool seen = false;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            seen = true;
            wait(150);
            inWindow(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        poll.start();
        open();
        if (!seen)
            fail("a window did not open");
    }

    void fail(const char* what)
    {
        std::fprintf(stderr, "make_screenshots: %s\n", what);
        m_ok = false;
    }

private:
    QString m_folder;
    bool m_ok = true;
};

// Waits for the modal window of the given object name, e.g. one that opens after another has
// closed, lets `inWindow` shoot it and closes it.
class ModalWatch {
public:
    ModalWatch(const char* name, std::function<void(QDialog&)> inWindow)
        : m_name(QString::fromLatin1(name)), m_inWindow(std::move(inWindow))
    {
        m_poll.setInterval(20);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != m_name)
                return;
            m_poll.stop();
            m_seen = true;
            wait(150);
            m_inWindow(*dialog);
            dialog->reject();
        });
        m_poll.start();
    }

    bool seen() const { return m_seen; }

private:
    QString m_name;
    std::function<void(QDialog&)> m_inWindow;
    QTimer m_poll;
    bool m_seen = false;
};

template <typename T>
T* child(QWidget* window, const char* name)
{
    auto* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("make_screenshots: no widget %s", name);
    return widget;
}

// A program folder of its own: the shipped history, the language files and the ticket pictures.
bool prepareProgramDir(const QString& dir, const QString& csv, const QString& landDir, const QString& ticketDir)
{
    const auto draws = DrawCsv::readFile(csv);
    if (!draws) {
        std::fprintf(stderr, "make_screenshots: %s: %s\n", qPrintable(csv), qPrintable(draws.error().message));
        return false;
    }
    if (!DrawFile(dir + QStringLiteral("/ZahlenTr.dat")).replaceAll(*draws).ok())
        return false;
    QDir().mkpath(dir + QStringLiteral("/land"));
    for (const QString& name : QDir(landDir).entryList(QDir::Files))
        QFile::copy(landDir + QLatin1Char('/') + name, dir + QStringLiteral("/land/") + name);
    for (const QString& name : QDir(ticketDir).entryList({QStringLiteral("schein*.jpg")}, QDir::Files))
        QFile::copy(ticketDir + QLatin1Char('/') + name, dir + QLatin1Char('/') + name);
    return true;
}

bool shootLanguage(const Language& language, const QString& csv, const QString& landDir, const QString& ticketDir,
                   const QString& outDir)
{
    // Dates and weekday names as that language's window shows them.
    QLocale::setDefault(QLocale(QString::fromLatin1(language.code)));
    QTemporaryDir scratch;
    const QString programDir = scratch.filePath(QStringLiteral("program"));
    QDir().mkpath(programDir);
    if (!prepareProgramDir(programDir, csv, landDir, ticketDir))
        return false;
    // Fresh settings and files of a user of its own; the back-test's report lands here too.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("data"))));
    QDir::setCurrent(scratch.path());

    const QString folder = outDir + QLatin1Char('/') + QString::fromLatin1(language.code);
    QDir().mkpath(folder);
    Shooter shooter(folder);

    ui::TForm1 window(programDir);
    window.state().today = [] { return Today; };
    window.show();
    QApplication::setActiveWindow(&window);
    wait(100);
    child<QAction>(&window, language.menuItem)->trigger();

    // The sheet: eight rows generated from a fixed seed.
    window.state().random->setState(SheetSeed);
    window.calculate();
    while (window.generationRunning())
        wait(50);

    auto quietStatusBar = [&window] {
        window.statusPanel(0)->clear();
        window.statusPanel(1)->clear();
    };

    auto* pages = child<QTabWidget>(&window, "PageControl1");
    // The page "Berechnung" is shown by its options tabs below.
    const char* pageNames[] = {"lottotipp", nullptr, "diagramm", "datenbank", "internet"};
    for (int i = 0; i < pages->count() && i < 5; ++i) {
        if (!pageNames[i])
            continue;
        pages->setCurrentIndex(i);
        // The chart shows the distribution of the drawn numbers, as at start-up.
        if (i == 2)
            child<QAbstractButton>(&window, "SpeedButton14")->click();
        quietStatusBar();
        shooter.save(&window, QString::fromLatin1(pageNames[i]));
    }
    pages->setCurrentIndex(1);
    auto* options = child<QTabWidget>(&window, "PageControl2");
    const char* optionNames[] = {"optionen-statistisch", "optionen-optimierung", "optionen-mathematisch",
                                 "optionen-allgemein"};
    for (int i = 0; i < options->count() && i < 4; ++i) {
        options->setCurrentIndex(i);
        quietStatusBar();
        shooter.save(&window, QString::fromLatin1(optionNames[i]));
    }
    options->setCurrentIndex(0);
    pages->setCurrentIndex(0);

    shooter.withModal([&] { child<QAbstractButton>(&window, "Tipp1Edit")->click(); },
                      [&](QDialog& dialog) { shooter.save(&dialog, QStringLiteral("zahlenwahl")); });
    shooter.withModal([&] { child<QAbstractButton>(&window, "SpeedButton36")->click(); },
                      [&](QDialog& dialog) { shooter.save(&dialog, QStringLiteral("email")); });
    pages->setCurrentIndex(3);
    shooter.withModal([&] { child<QAbstractButton>(&window, "BitBtn8")->click(); },
                      [&](QDialog& dialog) { shooter.save(&dialog, QStringLiteral("eingabe")); });
    pages->setCurrentIndex(0);

    // The print settings, then the preview of the sheet on the empty ticket, which opens when the
    // settings have closed.
    ModalWatch preview("PrintPreview", [&](QDialog& dialog) {
        // Only the ticket, as wide as the window allows: the crosses must be seen in the boxes.
        auto* widget = dialog.findChild<QPrintPreviewWidget*>();
        auto* view = widget ? widget->findChild<QGraphicsView*>() : nullptr;
        if (!view) {
            shooter.fail("no page in the print preview");
            return;
        }
        dialog.resize(1000, 800);
        widget->setZoomMode(QPrintPreviewWidget::FitToWidth);
        wait(400);
        shooter.saveImage(ticketOnly(view->viewport()->grab().toImage()), QStringLiteral("druckvorschau"));
    });
    shooter.withModal([&] { child<QAction>(&window, "ScheinDrucken1")->trigger(); },
                      [&](QDialog& dialog) {
                          shooter.save(&dialog, QStringLiteral("druckeinstellungen"));
                          // The positioning behind "anpassen", for a ticket the presets do not know.
                          child<QAbstractButton>(&dialog, "RadioGroup1Item13")->click();
                          ModalWatch positions("Form8", [&](QDialog& form) {
                              shooter.save(&form, QStringLiteral("positionierung"));
                          });
                          child<QAbstractButton>(&dialog, "anpassen")->click();
                          if (!positions.seen())
                              shooter.fail("no positioning window");
                          child<QAbstractButton>(&dialog, "RadioGroup1Item0")->click();
                          child<QCheckBox>(&dialog, "CheckBox5")->setChecked(true);
                          child<QAbstractButton>(&dialog, "BitBtn2")->click();
                      });
    if (!preview.seen())
        shooter.fail("no print preview");

    // The back-test over the last weeks of the history, and the comparison window it opens.
    pages->setCurrentIndex(3);
    child<QDateEdit>(&window, "DateTimePicker1")->setDate(BacktestStart);
    QTimer::singleShot(0, [] {
        auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!input)
            return;
        input->setTextValue(BacktestLuckyNumber);
        input->accept();
    });
    child<QAbstractButton>(&window, "BitBtn9")->click();
    auto* comparison = window.findChild<QWidget*>(QStringLiteral("ChanceComparison"));
    if (!comparison || !comparison->isVisible()) {
        std::fprintf(stderr, "make_screenshots: the back-test showed no comparison\n");
        return false;
    }
    wait(200);
    shooter.save(comparison, QStringLiteral("vergleich"));
    comparison->close();

    // The window "Systeme": 13 numbers, one a key, "3 wenn 4", built and proved.
    child<QAction>(&window, "Systeme1")->trigger();
    auto* wheels = window.findChild<ui::WheelWindow*>();
    if (!wheels) {
        std::fprintf(stderr, "make_screenshots: no window Systeme\n");
        return false;
    }
    wheels->setChosenNumbers(Numbers::range(3, 15));
    wheels->setKeyNumbers(Numbers::of(7));
    child<QComboBox>(wheels, "WheelGuarantee")->setCurrentIndex(1);
    child<QAbstractButton>(wheels, "WheelCalculate")->click();
    while (wheels->building())
        wait(50);
    wait(200);
    shooter.save(wheels, QStringLiteral("systeme"));
    wheels->close();
    window.close();
    return shooter.ok();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // A keyring of our own where the machine has the tools; without them the mail window says the
    // keyring cannot be reached, which the picture then shows.
    const test::SecretServiceSession keyring;
    if (keyring.isRunning())
        keyring.enterThisProcess();
    QApplication::setApplicationName(ui::TForm1::applicationTitle());
    QApplication::setOrganizationName(QStringLiteral("Veldor"));
    if (argc < 6) {
        std::fprintf(stderr, "usage: make_screenshots HISTORY.csv LAND_DIR TICKET_DIR OUT_DIR CODE...\n");
        return 2;
    }
    const QString csv = QString::fromLocal8Bit(argv[1]);
    const QString landDir = QString::fromLocal8Bit(argv[2]);
    const QString ticketDir = QString::fromLocal8Bit(argv[3]);
    const QString outDir = QDir(QString::fromLocal8Bit(argv[4])).absolutePath();
    DesktopSink sink;
    for (const char* scheme : {"file", "http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &sink, "open");
    const QString startDir = QDir::currentPath();
    for (int i = 5; i < argc; ++i) {
        const Language* language = nullptr;
        for (const Language& candidate : LanguageFiles::languages())
            if (qstrcmp(candidate.code, argv[i]) == 0)
                language = &candidate;
        if (!language) {
            std::fprintf(stderr, "make_screenshots: no language %s\n", argv[i]);
            return 2;
        }
        const bool shot = shootLanguage(*language, csv, landDir, ticketDir, outDir);
        QDir::setCurrent(startDir);
        if (!shot)
            return 1;
    }
    for (const char* scheme : {"file", "http", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    return 0;
}

#include "make_screenshots.moc"
