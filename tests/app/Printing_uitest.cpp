#include "app/CQavApp.h"
#include "app/CQavDoc.h"
#include "app/CQavView.h"
#include "app/TextPrintout.h"
#include "catalog/CometCatalog.h"
#include "catalog/SelectionState.h"
#include "ephemeris/EphemerisWriter.h"
#include "support/UiTestSupport.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The runs of rows with ink on `image`, one a printed line; -1 when ink lies
// at `width` or beyond.
int PrintedLines(const QImage& image, int width)
{
    int runs = 0;
    for (int y = 0, previous = 0; y < image.height(); ++y) {
        int inked = 0;
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) >= 128)
                continue;
            if (x >= width)
                return -1;
            inked = 1;
        }
        runs += inked > previous;
        previous = inked;
    }
    return runs;
}

} // namespace

using Printing = AppTest;

TEST_F(Printing, EveryLineWholeAtTheLargestSizeThatFits)
{
    ASSERT_TRUE(Start());
    // A year of Halley's comet: 7 lines of heading and 366 of dates, the
    // longest 78 characters; on the screen in Courier New (Liberation Mono).
    folder.CopySample("COMETS.WDB");
    ResetSelection();
    CometCatalog::Read(0, Selection().currentComet);
    Selection().ephemeris = {1, 1, 2024, 366, 1, 2000};
    int leapFebruaryMarker = 0;
    doc().ReplaceText(CometEphemerisText(Selection(), leapFebruaryMarker));
    const QStringList lines = view().toPlainText().split('\n');

    // Liberation Mono (its hhea and hmtx tables): advance 1229/2048 em, line
    // 2320/2048 em. A4 less 15 mm margins, at 1200 dpi, prints 8483 x 12599
    // pixels: 8483 / (78 x 0.6001) gives 181 pixels, lines of 205.0, and
    // (12599 - 2 x 205.0) / 205.0 = 59 lines a page (the foot takes two):
    // 7 pages of 373 lines. Letter, 8766 x 11766: 187 pixels, lines of
    // 211.8, 53 a page, 8 pages.
    struct Paper {
        QPageSize::PageSizeId size;
        int pixels, linesPerPage, pages;
    };
    for (const Paper& paper : {Paper{QPageSize::A4, 181, 59, 7}, Paper{QPageSize::Letter, 187, 53, 8}}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((folder.path() / "apercu.pdf").string()));
        printer.setPageLayout(QPageLayout(QPageSize(paper.size), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                          QPageLayout::Millimeter));
        QPrintPreviewWidget preview(&printer);
        QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [this](QPrinter* p) { view().PrintText(*p); });
        preview.updatePreview();
        EXPECT_EQ(preview.pageCount(), paper.pages);
        // The preview's pages at 96 dpi, with room on their right: a run of ink
        // for each line that is not blank and for the foot, none past the edge.
        const TextPrintout printout(view().toPlainText(), view().font(), view().logicalDpiY(), doc().GetTitle(),
                                    printer);
        EXPECT_EQ(printout.font().pixelSize(), paper.pixels);
        // A line too long for any size prints at 5 points no less: 5 x 1200 / 72 = 83 pixels.
        EXPECT_EQ(TextPrintout(QString(2000, 'x'), view().font(), view().logicalDpiY(), "", printer).font().pixelSize(), 83);
        const double scale = 96.0 / 1200.0;
        for (int page = 0; page < paper.pages; ++page) {
            QImage image(qRound(printer.width() * scale) + 100, qRound(printer.height() * scale), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.scale(scale, scale);
            printout.PaintPage(painter, page);
            painter.end();
            int printed = 1;
            for (int line = page * paper.linesPerPage; line < std::min(373, (page + 1) * paper.linesPerPage); ++line)
                printed += !lines[line].trimmed().isEmpty();
            EXPECT_EQ(PrintedLines(image, image.width() - 100), printed) << "page " << page + 1;
        }
    }
}

// /p and -p print the file and end, with status 1 and a message when no
// printer is installed.
TEST_F(Printing, PrintSwitchPrintsTheFileAndEnds)
{
    const auto path = folder.Write("long.qav", "ligne 1\r\nligne 2\r\n");
    const QString pdf = PathOf("sortie.pdf");
    app().printer().setOutputFormat(QPrinter::PdfFormat);
    app().printer().setOutputFileName(pdf);
    EXPECT_FALSE(Start({QStringLiteral("-p"), QString::fromStdString(path.string())}));
    EXPECT_TRUE(app().exitCode() == 0 && messages.messages.empty() && QFile(pdf).size() > 0) << messages.Texts();
}

TEST_F(Printing, WithoutAnyPrinterTheUserIsTold)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer";
    const auto path = folder.Write("a.qav", "x");
    EXPECT_FALSE(Start({QStringLiteral("/p"), QString::fromStdString(path.string())}));
    EXPECT_TRUE(app().exitCode() == 1 &&
                messages.Texts() == "Impossible d'imprimer : aucune imprimante n'est installée.");
}
