// Renders the user manual from its HTML source into a PDF. The pictures the source names are
// read from the given folder.
//
//   make_manual IN.html PICTURE_DIR OUT.pdf VERSION
//
// The text flows from page to page; a heading never ends a page and a picture stays on the page
// of its lead-in. Paths and options (<tt>, <code>) are never broken inside a word. "<!-- toc -->"
// becomes the table of contents with page numbers, linked to the sections, and "@VERSION@" the
// version. The PDF gets bookmarks of the h2/h3 headings, added as an incremental update because
// QPdfWriter writes no outline.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <vector>

namespace {

// The layout works in CSS pixels (96 per inch), the PDF in points.
constexpr double PxPerMm = 96.0 / 25.4;
constexpr double PtPerPx = 72.0 / 96.0;
const QMarginsF MarginsMm(20, 18, 20, 22);
constexpr double FooterGapMm = 8;

struct Heading {
    int level = 0;
    QString title;
    QString anchor;
    int page = 0;     // from 0
    double top = 0;   // in the page's body, px
};

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

// Gives every picture its size (full pixels kept, shown at most `maxWidth` px wide) and every
// h2/h3 an anchor; names the pictures that are missing.
QString prepare(const QString& html, const QDir& pictures, double maxWidth, int& missing, const char* sourceName)
{
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
            std::fprintf(stderr, "%s: no picture %s\n", sourceName, qPrintable(match.captured(1)));
            ++missing;
            continue;
        }
        // A picture's density says how large its window was on the screen: shown at that size,
        // or smaller to fit the page, every pixel kept.
        const double density = std::max(1.0, image.dotsPerMeterX() * 0.0254 / 96.0);
        const double natural = image.width() / density;
        const double scale = std::min(1.0, maxWidth / natural) / density;
        sized += QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
                     .arg(QUrl::fromLocalFile(path).toString())
                     .arg(qRound(image.width() * scale))
                     .arg(qRound(image.height() * scale));
    }
    sized += html.mid(from);

    static const QRegularExpression heading(QStringLiteral("<h([23])([^>]*)>(.*?)</h\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QString anchored;
    from = 0;
    int n = 0;
    for (auto it = heading.globalMatch(sized); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        anchored += sized.mid(from, match.capturedStart() - from);
        from = match.capturedEnd();
        anchored += QStringLiteral("<h%1%2><a name=\"s%3\"></a>%4</h%1>")
                        .arg(match.captured(1), match.captured(2))
                        .arg(++n)
                        .arg(match.captured(3));
    }
    anchored += sized.mid(from);
    return anchored;
}

bool isTopLevel(const QTextBlock& block) { return !QTextCursor(block).currentTable(); }

bool holdsPicture(const QTextBlock& block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            return true;
    return false;
}

class Pages {
public:
    Pages(QTextDocument& document) : m_document(document), m_height(document.pageSize().height()) {}

    double lineTop(const QTextBlock& block, int line) const
    {
        const QRectF box = m_document.documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() == 0)
            return box.top();
        return box.top() + layout->lineAt(std::clamp(line, 0, layout->lineCount() - 1)).y();
    }
    double lineBottom(const QTextBlock& block, int line) const
    {
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() == 0)
            return m_document.documentLayout()->blockBoundingRect(block).bottom();
        const QTextLine l = layout->lineAt(std::clamp(line, 0, layout->lineCount() - 1));
        return m_document.documentLayout()->blockBoundingRect(block).top() + l.y() + l.height();
    }
    int page(double y) const { return int(y / m_height); }
    int firstPage(const QTextBlock& block) const { return page(lineTop(block, 0)); }
    int lastPage(const QTextBlock& block) const { return page(lineTop(block, lastLine(block))); }
    static int lastLine(const QTextBlock& block) { return block.layout() ? block.layout()->lineCount() - 1 : 0; }
    double height() const { return m_height; }

private:
    QTextDocument& m_document;
    double m_height;
};

void breakBefore(const QTextBlock& block)
{
    QTextBlockFormat format;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).mergeBlockFormat(format);
}

void clearBreak(const QTextBlock& block)
{
    if (!(block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore))
        return;
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    QTextCursor(block).setBlockFormat(format);
}

// The height of the blocks from `first` to `last` as they would stand on one page.
double naturalHeight(const QTextBlock& first, const QTextBlock& last)
{
    double height = 0;
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        const QTextBlockFormat format = b.blockFormat();
        height += format.topMargin() + format.bottomMargin();
        if (const QTextLayout* layout = b.layout())
            for (int i = 0; i < layout->lineCount(); ++i)
                height += layout->lineAt(i).height();
        if (b == last)
            break;
    }
    return height;
}

bool breaksBefore(const QTextBlock& block)
{
    return block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
}

// One step of the page rules: finds the first heading that ends a page, or the first picture
// parted from its lead-in, and moves it (with its section's start where that fits) to the
// next page. Returns false when every rule holds.
bool keepTogether(QTextDocument& document)
{
    const Pages pages(document);
    QTextBlock heading;
    QTextBlock lastHeading; // until the block after it has been seen
    QTextBlock firstAfterHeading;
    QTextBlock previous;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().trimmed().isEmpty() && !holdsPicture(block))
            continue;
        // The first line after a heading shares its page; a table under a heading, its first two
        // rows. A break on that line moves to the heading.
        if (lastHeading.isValid()) {
            if (!firstAfterHeading.isValid())
                firstAfterHeading = block;
            if (pages.firstPage(block) > pages.lastPage(lastHeading)
                && (!breaksBefore(lastHeading) || breaksBefore(block))) {
                breakBefore(lastHeading);
                clearBreak(block);
                return true;
            }
            const QTextTable* table = QTextCursor(block).currentTable();
            if (!table || table->cellAt(block.position()).row() >= std::min(1, table->rows() - 1))
                lastHeading = QTextBlock();
        }
        if (!isTopLevel(block))
            continue;
        if (holdsPicture(block) && previous.isValid() && pages.lastPage(block) > pages.lastPage(previous)) {
            // The section's start moves along when the whole run fits on a page; else the lead-in.
            if (heading.isValid() && !breaksBefore(heading) && naturalHeight(heading, block) <= pages.height() * 0.95) {
                breakBefore(heading);
                for (QTextBlock b = heading.next(); b.isValid() && b != block.next(); b = b.next())
                    clearBreak(b);
                return true;
            }
            if (!breaksBefore(previous) && previous != heading && previous != firstAfterHeading
                && naturalHeight(previous, block) <= pages.height() * 0.95) {
                breakBefore(previous);
                return true;
            }
        }
        if (block.blockFormat().headingLevel() > 0) {
            heading = block;
            lastHeading = block;
            firstAfterHeading = QTextBlock();
        }
        previous = block;
    }
    return false;
}

// <tt> and <code>: the importer gives them the family "monospace".
bool isToken(const QTextCharFormat& format)
{
    return format.fontFixedPitch() || format.fontFamilies().toStringList().contains(QStringLiteral("monospace"));
}

// Moves a path or option that the line breaking cut inside a word to the start of the next line.
bool keepTokensWhole(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() < 2)
            continue;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!isToken(fragment.charFormat()))
                continue;
            const QString text = fragment.text();
            const int base = fragment.position() - block.position();
            for (int line = 1; line < layout->lineCount(); ++line) {
                const int start = layout->lineAt(line).textStart();
                const int inside = start - base;
                if (inside <= 0 || inside >= text.size() || text.at(inside - 1).isSpace() || text.at(inside).isSpace())
                    continue;
                int word = inside;
                while (word > 0 && !text.at(word - 1).isSpace())
                    --word;
                if (base + word == layout->lineAt(line - 1).textStart())
                    continue; // a word longer than a line
                QTextCursor cursor(&document);
                cursor.setPosition(fragment.position() + word);
                if (word > 0) {
                    cursor.setPosition(fragment.position() + word - 1, QTextCursor::KeepAnchor);
                    cursor.insertText(QString(QChar::LineSeparator));
                } else {
                    cursor.insertText(QString(QChar::LineSeparator));
                }
                return true;
            }
        }
    }
    return false;
}

std::vector<Heading> headings(QTextDocument& document)
{
    const Pages pages(document);
    std::vector<Heading> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 2 || level > 3 || !isTopLevel(block))
            continue;
        Heading heading;
        heading.level = level;
        heading.title = block.text().simplified();
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (!it.fragment().charFormat().anchorNames().isEmpty())
                heading.anchor = it.fragment().charFormat().anchorNames().constFirst();
        const double top = pages.lineTop(block, 0);
        heading.page = pages.page(top);
        heading.top = top - heading.page * pages.height();
        found.push_back(heading);
    }
    return found;
}

QString tocHtml(const QString& caption, const std::vector<Heading>& entries, bool numbered)
{
    QString toc = QStringLiteral("<h2 class=\"toc\">%1</h2><table width=\"100%\" cellspacing=\"0\" cellpadding=\"1\">")
                      .arg(escaped(caption));
    for (const Heading& entry : entries) {
        const QString indent = entry.level == 3 ? QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;") : QString();
        const QString weight = entry.level == 2 ? QStringLiteral("font-weight: bold;") : QString();
        toc += QStringLiteral("<tr><td style=\"%1\">%2<a href=\"#%3\">%4</a></td><td align=\"right\" width=\"40\">%5</td></tr>")
                   .arg(weight, indent, entry.anchor, escaped(entry.title),
                        numbered ? QString::number(entry.page + 1) : QStringLiteral("000"));
    }
    return toc + QStringLiteral("</table>");
}

// --- The outline, added to the PDF as an incremental update -------------------------------

QByteArray pdfText(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

struct PdfObjects {
    std::map<int, QByteArray> body; // number -> text between "obj" and "endobj"
};

bool parse(const QByteArray& pdf, PdfObjects& objects)
{
    static const QRegularExpression object(QStringLiteral("(?:^|\\n)(\\d+) 0 obj\\b"));
    const QString text = QString::fromLatin1(pdf);
    for (auto it = object.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const qsizetype end = text.indexOf(QStringLiteral("endobj"), match.capturedEnd());
        if (end < 0)
            return false;
        objects.body[match.captured(1).toInt()] = pdf.mid(match.capturedEnd(), end - match.capturedEnd());
    }
    return !objects.body.empty();
}

int reference(const QByteArray& dict, const char* key)
{
    const QRegularExpression ref(QStringLiteral("/%1\\s+(\\d+) 0 R").arg(QLatin1String(key)));
    const auto match = ref.match(QString::fromLatin1(dict));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QByteArray destination(int pageObject, double top)
{
    return "[" + QByteArray::number(pageObject) + " 0 R /XYZ 0 " + QByteArray::number(top, 'f', 1) + " null]";
}

bool addOutline(QByteArray& pdf, const std::vector<Heading>& entries, const std::function<double(double)>& pdfTop)
{
    PdfObjects objects;
    if (!parse(pdf, objects))
        return false;
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startxrefAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startxrefAt < 0)
        return false;
    const QByteArray trailer = pdf.mid(trailerAt, startxrefAt - trailerAt);
    const qsizetype previousXref = pdf.mid(startxrefAt + 9).trimmed().split('\n').constFirst().trimmed().toLongLong();
    const int root = reference(trailer, "Root");
    const int info = reference(trailer, "Info");
    if (!root || !objects.body.count(root))
        return false;
    const int pagesObject = reference(objects.body[root], "Pages");
    static const QRegularExpression kid(QStringLiteral("(\\d+) 0 R"));
    const QByteArray pagesDict = objects.body[pagesObject];
    const qsizetype kidsAt = pagesDict.indexOf("/Kids");
    const QByteArray kids = pagesDict.mid(kidsAt, pagesDict.indexOf(']', kidsAt) - kidsAt);
    std::vector<int> pageObjects;
    for (auto it = kid.globalMatch(QString::fromLatin1(kids)); it.hasNext();)
        pageObjects.push_back(it.next().captured(1).toInt());
    if (pageObjects.empty())
        return false;

    int next = objects.body.rbegin()->first + 1;
    std::map<int, QByteArray> written;

    // The tree: an h2 is a top-level item, the h3s below it its children.
    const int outlineRoot = next++;
    std::vector<int> numbers;
    for (size_t i = 0; i < entries.size(); ++i)
        numbers.push_back(next++);
    std::vector<int> parent(entries.size(), outlineRoot);
    int currentTop = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].level == 2 || currentTop < 0)
            currentTop = int(i);
        else
            parent[i] = numbers[size_t(currentTop)];
    }
    auto children = [&](int parentNumber) {
        std::vector<size_t> list;
        for (size_t i = 0; i < entries.size(); ++i)
            if (parent[i] == parentNumber && numbers[i] != parentNumber)
                list.push_back(i);
        return list;
    };
    auto linkSiblings = [&](const std::vector<size_t>& list, QByteArray& parentDict) {
        if (list.empty())
            return;
        parentDict += "/First " + QByteArray::number(numbers[list.front()]) + " 0 R /Last "
                      + QByteArray::number(numbers[list.back()]) + " 0 R /Count "
                      + QByteArray::number(qsizetype(list.size())) + "\n";
    };
    QByteArray rootDict = "<<\n/Type /Outlines\n";
    const auto top = children(outlineRoot);
    linkSiblings(top, rootDict);
    written[outlineRoot] = rootDict + ">>";
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto siblings = children(parent[i]);
        const auto at = std::find(siblings.begin(), siblings.end(), i) - siblings.begin();
        const int page = std::clamp(entries[i].page, 0, int(pageObjects.size()) - 1);
        QByteArray dict = "<<\n/Title " + pdfText(entries[i].title) + "\n/Parent " + QByteArray::number(parent[i])
                          + " 0 R\n/Dest " + destination(pageObjects[size_t(page)], pdfTop(entries[i].top)) + "\n";
        if (at > 0)
            dict += "/Prev " + QByteArray::number(numbers[siblings[size_t(at - 1)]]) + " 0 R\n";
        if (size_t(at) + 1 < siblings.size())
            dict += "/Next " + QByteArray::number(numbers[siblings[size_t(at + 1)]]) + " 0 R\n";
        // Closed below the chapters: the reader sees the chapters first.
        const auto below = children(numbers[i]);
        if (!below.empty())
            dict += "/First " + QByteArray::number(numbers[below.front()]) + " 0 R /Last "
                    + QByteArray::number(numbers[below.back()]) + " 0 R /Count -"
                    + QByteArray::number(qsizetype(below.size())) + "\n";
        written[numbers[i]] = dict + ">>";
    }

    // The table of contents' links: QPdfWriter writes "#anchor" as a web address; they become
    // jumps to the section.
    std::map<QString, size_t> byAnchor;
    for (size_t i = 0; i < entries.size(); ++i)
        byAnchor[entries[i].anchor] = i;
    static const QRegularExpression uri(QStringLiteral("/URI\\s*\\(#([^)]*)\\)"));
    for (const auto& [number, body] : objects.body) {
        if (!body.contains("/Subtype /Link"))
            continue;
        const auto match = uri.match(QString::fromLatin1(body));
        if (!match.hasMatch() || !byAnchor.count(match.captured(1)))
            continue;
        const Heading& target = entries[byAnchor[match.captured(1)]];
        const int page = std::clamp(target.page, 0, int(pageObjects.size()) - 1);
        // The action is the dictionary's last entry: "/A << … >>" up to the closing ">>".
        static const QRegularExpression action(QStringLiteral("/A\\s*<<"));
        const QString text = QString::fromLatin1(body);
        const auto at = action.match(text);
        const qsizetype close = text.lastIndexOf(QStringLiteral(">>"));
        const qsizetype actionEnd = text.lastIndexOf(QStringLiteral(">>"), close - 1);
        if (!at.hasMatch() || actionEnd < at.capturedEnd())
            continue;
        written[number] = (body.left(at.capturedStart()) + "/Dest "
                           + destination(pageObjects[size_t(page)], pdfTop(target.top)) + "\n" + body.mid(close))
                              .trimmed();
    }

    QByteArray catalog = objects.body[root].trimmed();
    const qsizetype end = catalog.lastIndexOf(">>");
    catalog = catalog.left(end) + "/Outlines " + QByteArray::number(outlineRoot) + " 0 R\n/PageMode /UseOutlines\n>>";
    written[root] = catalog;

    if (!pdf.endsWith('\n'))
        pdf += '\n';
    std::map<int, qsizetype> offsets;
    for (const auto& [number, body] : written) {
        offsets[number] = pdf.size();
        pdf += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 1\n0000000000 65535 f \n";
    for (auto it = offsets.begin(); it != offsets.end();) {
        auto run = it;
        int count = 0;
        while (run != offsets.end() && run->first == it->first + count) {
            ++run;
            ++count;
        }
        pdf += QByteArray::number(it->first) + ' ' + QByteArray::number(count) + '\n';
        for (; it != run; ++it)
            pdf += QByteArray::number(it->second).rightJustified(10, '0') + " 00000 n \n";
    }
    pdf += "trailer\n<<\n/Size " + QByteArray::number(next) + "\n/Root " + QByteArray::number(root) + " 0 R\n";
    if (info)
        pdf += "/Info " + QByteArray::number(info) + " 0 R\n";
    pdf += "/Prev " + QByteArray::number(previousXref) + "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_manual IN.html PICTURE_DIR OUT.pdf VERSION\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }
    const QDir pictures(QString::fromLocal8Bit(argv[2]));
    QString html = QString::fromUtf8(source.readAll());
    html.replace(QStringLiteral("@VERSION@"), QString::fromLocal8Bit(argv[4]));

    const QPageSize a4(QPageSize::A4);
    const QSizeF paperMm = a4.size(QPageSize::Millimeter);
    const QSizeF body((paperMm.width() - MarginsMm.left() - MarginsMm.right()) * PxPerMm,
                      (paperMm.height() - MarginsMm.top() - MarginsMm.bottom()) * PxPerMm);

    int missing = 0;
    const QString prepared = prepare(html, pictures, body.width() - 10, missing, argv[1]);
    if (missing > 0)
        return 1;

    // The caption of the table of contents is the marker's text: <!-- toc: Contents -->.
    static const QRegularExpression tocMarker(QStringLiteral("<!-- toc: ([^>]*) -->"));
    const QRegularExpressionMatch marker = tocMarker.match(prepared);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    QTextDocument document;
    std::vector<Heading> entries;
    // The first pass finds the headings; the next lays out the table of contents with
    // placeholder page numbers, which keep its size, and the one after writes the numbers in.
    // A further pass runs only if a page number moved.
    for (int pass = 0; pass < 5; ++pass) {
        QString text = prepared;
        if (marker.hasMatch())
            text.replace(marker.capturedStart(), marker.capturedLength(),
                         tocHtml(marker.captured(1), entries, pass > 1));
        document.clear();
        document.setDefaultFont(font);
        document.setDefaultStyleSheet(QStringLiteral("h2.toc { page-break-before: always; }"));
        document.setHtml(text);
        document.setPageSize(body);
        for (int step = 0; step < 2000; ++step) {
            document.pageCount();
            if (!keepTokensWhole(document) && !keepTogether(document))
                break;
        }
        auto found = headings(document);
        // The table of contents lists the sections, not itself.
        if (marker.hasMatch() && !found.empty())
            found.erase(found.begin());
        const bool same = pass > 1 && std::equal(found.begin(), found.end(), entries.begin(), entries.end(),
                                                 [](const Heading& a, const Heading& b) { return a.page == b.page; });
        entries = found;
        if (same || !marker.hasMatch() && pass > 0)
            break;
    }

    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("Numora"));
        writer.setPageSize(a4);
        writer.setPageMargins(MarginsMm, QPageLayout::Millimeter);
        QPainter painter(&writer);
        // Window pictures are text: no lossy compression.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        const double scale = writer.logicalDpiX() / 96.0;
        const int pageCount = document.pageCount();
        for (int page = 0; page < pageCount; ++page) {
            if (page > 0)
                writer.newPage();
            painter.save();
            painter.scale(scale, scale);
            painter.translate(0, -page * body.height());
            const QRectF view(0, page * body.height(), body.width(), body.height());
            painter.setClipRect(view);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = view;
            context.palette.setColor(QPalette::Text, Qt::black);
            document.documentLayout()->draw(&painter, context);
            painter.restore();
            if (page > 0) {
                painter.save();
                painter.scale(scale, scale);
                QFont footer = font;
                footer.setPointSize(9);
                painter.setFont(footer);
                painter.drawText(QRectF(0, body.height() + FooterGapMm * PxPerMm - 20, body.width(), 20),
                                 Qt::AlignHCenter | Qt::AlignBottom, QString::number(page + 1));
                painter.restore();
            }
        }
    }

    const double paperHeightPt = a4.size(QPageSize::Point).height();
    const double topMarginPt = MarginsMm.top() / 25.4 * 72;
    if (!addOutline(pdf, entries, [&](double topPx) { return paperHeightPt - topMarginPt - topPx * PtPerPx + 4; })) {
        std::fprintf(stderr, "%s: the PDF could not be given its bookmarks\n", argv[3]);
        return 1;
    }
    QSaveFile out(QString::fromLocal8Bit(argv[3]));
    if (!out.open(QIODevice::WriteOnly) || out.write(pdf) != pdf.size() || !out.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[3], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
