// Renders the user manual from its HTML source into a PDF. The pictures the source names are
// read from the given folder.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_manual IN.html PICTURE_DIR OUT.pdf\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setBaseUrl(QUrl::fromLocalFile(QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + QLatin1Char('/')));
    document.setHtml(QString::fromUtf8(source.readAll()));

    // A picture that is not there would print as an empty frame: name it and stop.
    int missing = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            if (!QFileInfo(document.baseUrl().resolved(QUrl(name)).toLocalFile()).isFile()) {
                std::fprintf(stderr, "%s: no picture %s\n", argv[1], qPrintable(name));
                ++missing;
            }
        }
    if (missing > 0)
        return 1;

    QPdfWriter writer(QString::fromLocal8Bit(argv[3]));
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Numora"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    document.print(&writer);
    return 0;
}
