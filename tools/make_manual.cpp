// Renders the user manual from its HTML source into a PDF. The pictures the source names are
// read from the given folder.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QImage>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>
#include <QDir>

#include <algorithm>
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
    const QDir pictures(QString::fromLocal8Bit(argv[2]));
    QString html = QString::fromUtf8(source.readAll());

    // Every picture is given its size, scaled down in proportion to one width at most; a picture
    // that is not there would print as an empty frame: name it and stop.
    constexpr double MaxPictureWidth = 460;
    int missing = 0;
    static const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\">"));
    QString sized;
    qsizetype from = 0;
    for (auto it = picture.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString path = pictures.absoluteFilePath(match.captured(1));
        const QImage image(path);
        sized += html.mid(from, match.capturedStart() - from);
        from = match.capturedEnd();
        if (image.isNull()) {
            std::fprintf(stderr, "%s: no picture %s\n", argv[1], qPrintable(match.captured(1)));
            ++missing;
            continue;
        }
        const double scale = std::min(1.0, MaxPictureWidth / image.width());
        sized += QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
                     .arg(QUrl::fromLocalFile(path).toString())
                     .arg(qRound(image.width() * scale))
                     .arg(qRound(image.height() * scale));
    }
    sized += html.mid(from);
    if (missing > 0)
        return 1;

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setHtml(sized);

    QPdfWriter writer(QString::fromLocal8Bit(argv[3]));
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Numora"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    document.print(&writer);
    return 0;
}
