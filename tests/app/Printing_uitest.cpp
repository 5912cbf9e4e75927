#include "app/CQavApp.h"
#include "app/CQavDoc.h"
#include "app/CQavView.h"
#include "support/UiTestSupport.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace {

int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

} // namespace

using Printing = AppTest;

TEST_F(Printing, PrintSwitchPrintsTheFileAndEnds)
{
    std::string text;
    for (int line = 1; line <= 150; ++line)
        text += "ligne " + std::to_string(line) + "\r\n";
    const auto path = folder.Write("long.qav", text);
    const QString pdf = QString::fromStdString((folder.path() / "sortie.pdf").string());
    app().printer().setOutputFormat(QPrinter::PdfFormat);
    app().printer().setOutputFileName(pdf);

    EXPECT_FALSE(Start({QStringLiteral("-p"), QString::fromStdString(path.string())}));
    EXPECT_EQ(app().exitCode(), 0);
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();
    // 150 lines of 15-pixel Courier New need more than one page.
    EXPECT_GT(PdfPageCount(pdf), 1);
}

TEST_F(Printing, WithoutAnyPrinterTheUserIsTold)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer";
    const auto path = folder.Write("a.qav", "x");
    EXPECT_FALSE(Start({QStringLiteral("/p"), QString::fromStdString(path.string())}));
    EXPECT_EQ(app().exitCode(), 1);
    EXPECT_EQ(messages.Texts(), "Impossible d'imprimer : aucune imprimante n'est installée.");
}
