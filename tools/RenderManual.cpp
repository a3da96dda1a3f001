// Renders the user manual from its Markdown source into the PDF that Help > Manual opens:
//
//   render_manual <manual.md> <output.pdf>
//
// Qt's own text document lays the text out on A4 pages (numbered at the foot) and its PDF
// writer draws them; no window is opened, so it runs on the offscreen platform during the build.
// The PDF is written to a temporary name and renamed, so a failed run leaves no partial file.
//
// Every character is drawn in a font family named here, from the fonts scripts/setup.sh
// installs, so the manual comes out the same (and with the same number of pages) on every
// machine: left to itself, fontconfig draws the code in whatever monospace font is installed
// and a sign no named font has in whatever font has it. A named family that is not installed,
// or a character none of them has, stops the run with a message instead.
#include <QColor>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRawFont>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLength>
#include <QTextTable>

#include <cstdio>
#include <vector>

namespace {

// Body text in points; headings are scaled up from it by the Markdown reader.
constexpr int kBodyPoints = 10;
// The families: body text, headings and tables (fonts-liberation); code (fonts-dejavu-core);
// the signs neither has, such as the "␀" shown for a NUL byte (fonts-symbola).
constexpr const char* kBodyFamily = "Liberation Sans";
constexpr const char* kCodeFamily = "DejaVu Sans Mono";
constexpr const char* kSignFamily = "Symbola";
// Page margins in millimetres: left, top, right, bottom. The text document adds 2 cm of its own
// on every side when it prints (the page number sits in the bottom one), so the text stands
// 25 mm from the sides of the sheet.
const QMarginsF kMarginsMm(5, 3, 5, 5);

// Air above headings and between paragraphs, in points.
void SpaceBlocks(QTextDocument& doc) {
    QTextCursor cursor(&doc);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat f = b.blockFormat();
        const int level = f.headingLevel();
        if (level == 1) {
            f.setTopMargin(0);
            f.setBottomMargin(10);
            // Every chapter after the title starts on a new page.
            if (b != doc.begin()) f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        } else if (level > 1) {
            f.setTopMargin(level == 2 ? 14 : 10);
            f.setBottomMargin(4);
        } else if (!b.textList()) {
            f.setBottomMargin(6);
        }
        f.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
        cursor.setPosition(b.position());
        cursor.setBlockFormat(f);
    }
}

// Tables across the text width, with thin single rules, some air in the cells and a shaded
// heading row.
void StyleTables(QTextDocument& doc) {
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        QTextTableFormat f = table->format();
        f.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        f.setBorder(2);  // device pixels at 300 dpi: about 0.2 mm
        f.setBorderBrush(QColor(150, 150, 150));
        f.setBorderCollapse(true);
        f.setCellSpacing(0);
        f.setCellPadding(8);
        f.setHeaderRowCount(1);  // repeated at the top of a page the table runs onto
        table->setFormat(f);
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCell cell = table->cellAt(0, column);
            QTextCharFormat shade = cell.format();
            shade.setBackground(QColor(230, 230, 230));
            cell.setFormat(shade);
        }
    }
}

// Whether `family` is installed, and not stood in for by another family.
bool Installed(const char* family) {
    return QFontInfo(QFont(family)).family() == QString::fromUtf8(family);
}

// Names each fragment's family: the code font where the Markdown reader chose the system's
// fixed-pitch font, else the body font; the sign font after either. Stops (false) at the
// first character neither of a fragment's families has.
bool NameFamilies(QTextDocument& doc) {
    const QString fixedFamily = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    const QRawFont signFont = QRawFont::fromFont(QFont(kSignFamily, kBodyPoints));
    struct Named {
        int from, to;
        QTextCharFormat format;
    };
    std::vector<Named> named;  // applied after the walk, which a change of format would upset
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat f = fragment.charFormat();
            const bool code = f.fontFixedPitch() ||
                              f.fontFamilies().toStringList().contains(fixedFamily);
            f.setFontFamilies(QStringList{code ? kCodeFamily : kBodyFamily, kSignFamily});
            const QRawFont own = QRawFont::fromFont(f.font().resolve(doc.defaultFont()));
            for (const char32_t c : fragment.text().toUcs4()) {
                if (c < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
                    own.supportsCharacter(c) || signFont.supportsCharacter(c))
                    continue;
                std::fprintf(stderr,
                             "render_manual: no font of the manual has U+%04X (in \"%s\")\n",
                             static_cast<unsigned>(c), qPrintable(fragment.text()));
                return false;
            }
            named.push_back({fragment.position(), fragment.position() + fragment.length(), f});
        }
    }
    QTextCursor cursor(&doc);
    for (const Named& n : named) {
        cursor.setPosition(n.from);
        cursor.setPosition(n.to, QTextCursor::KeepAnchor);
        cursor.setCharFormat(n.format);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Rendering needs fonts but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_manual <manual.md> <output.pdf>\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "render_manual: cannot read %s\n", argv[1]);
        return 1;
    }
    for (const char* family : {kBodyFamily, kCodeFamily, kSignFamily}) {
        if (Installed(family)) continue;
        std::fprintf(stderr,
                     "render_manual: the font family \"%s\" is not installed "
                     "(scripts/setup.sh installs it)\n",
                     family);
        return 1;
    }
    QTextDocument doc;
    QFont font(kBodyFamily, kBodyPoints);
    font.setFamilies({kBodyFamily, kSignFamily});  // the page numbers too
    doc.setDefaultFont(font);
    doc.setMarkdown(QString::fromUtf8(source.readAll()));
    if (!NameFamilies(doc)) return 1;
    SpaceBlocks(doc);
    StyleTables(doc);

    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "render_manual: cannot write %s\n", argv[2]);
        return 1;
    }
    {
        QPdfWriter pdf(&out);
        pdf.setTitle("ChassisLab Manual");
        pdf.setCreator("ChassisLab");
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMarginsMm,
                                      QPageLayout::Millimeter));
        doc.print(&pdf);
    }
    if (!out.commit()) {
        std::fprintf(stderr, "render_manual: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
