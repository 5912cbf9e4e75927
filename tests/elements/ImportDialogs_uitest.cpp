// The import dialogs, fed from files and from a server on 127.0.0.1; the main window's notice.

#include "app/CMainFrame.h"
#include "app/CQavDoc.h"
#include "app/Commands.h"
#include "catalog/AsteroidCatalog.h"
#include "elements/CAsteroidImportDlg.h"
#include "elements/CCometImportDlg.h"
#include "elements/ElementsNotice.h"
#include "elements/ImportSourceBox.h"
#include "support/DialogTestSupport.h"
#include "support/ElementsFiles.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTreeWidget>

namespace {

// Answers every request with `body` (Normal), with its first bytes and then
// nothing (Slow), or with 404 (Failing).
struct TinyHttpServer {
    enum class Mode { Normal, Slow, Failing };

    TinyHttpServer(QByteArray body, Mode mode)
    {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&server_, &QTcpServer::newConnection, [this, body, mode] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::disconnected, [this] { ++closed; });
            QObject::connect(socket, &QTcpSocket::readyRead, [this, socket, body, mode] {
                if (!socket->readAll().contains("\r\n\r\n"))
                    return;
                ++answered;
                if (mode == Mode::Failing)
                    socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nNot Found");
                else
                    socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
                                  "\r\nConnection: close\r\n\r\n" + (mode == Mode::Slow ? body.left(500) : body));
                if (mode != Mode::Slow)
                    socket->disconnectFromHost();
            });
        });
    }

    QString Address() const { return QStringLiteral("http://127.0.0.1:%1/CometEls.txt").arg(server_.serverPort()); }

    int answered = 0, closed = 0;
    QTcpServer server_;
};

class ImportDialogs : public AppTest {
protected:
    void SetUp() override { AppTest::SetUp(); ResetSelection(); }
    void TearDown() override { AppTest::TearDown(); ResetSelection(); }

    // Types the source, then Enter, and waits for the reading to end.
    static void ReadFrom(ImportSourceBox* source, const QString& where)
    {
        source->field()->setText(where);
        QTest::keyClick(source->field(), Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([source] { return !source->reading(); }, 5000));
    }
};

} // namespace

TEST_F(ImportDialogs, CometsFromAnAddressPresentOnesCheckedTheNewOneAddedLast)
{
    SampleRecords(folder, "COMETS.WDB", 140, 24);
    const std::string newComet = CometLine("C/2023 A3 (Tsuchinshan-ATLAS)", 2024, 9, 27.7405, 0.391426, 1.000116,
                                           308.4919, 21.5596, 139.1112, 5.5, 3.2);
    TinyHttpServer server(QByteArray::fromStdString(TestData("CometEls.txt") + newComet),
                          TinyHttpServer::Mode::Normal);
    CCometImportDlg dialog;
    ReadFrom(dialog.source(), server.Address());
    QTreeWidget* list = dialog.list();
    ASSERT_EQ(list->topLevelItemCount(), 9);
    EXPECT_EQ(list->topLevelItem(4)->text(4), QStringLiteral("oui (n° 5)"));
    for (int row = 0; row < 9; ++row)
        EXPECT_EQ(list->topLevelItem(row)->checkState(0), row < 8 ? Qt::Checked : Qt::Unchecked) << row;

    // "Tout cocher" checks what the filter shows.
    dialog.filter()->setText(QStringLiteral("TEMPEL"));
    int shown = 0;
    for (int row = 0; row < 9; ++row)
        shown += list->topLevelItem(row)->isHidden() ? 0 : 1;
    EXPECT_EQ(shown, 2);  // 9P and 10P
    dialog.filter()->setText(QStringLiteral("a3 ("));
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Tout cocher"))
            button->click();
    EXPECT_EQ(list->topLevelItem(8)->checkState(0), Qt::Checked);

    dialog.accept();
    EXPECT_EQ(messages.Texts(), "COMETS.WDB : 8 comètes mises à jour, 1 ajoutée.");
    const std::string after = folder.Read("COMETS.WDB");
    ASSERT_EQ(after.size(), 25u * 140);
    EXPECT_EQ(CometName(RecordAt<CometRecord>(after, 24)), "C/2023 A3 (Tsuchinshan-ATLAS)");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ImportDialogs, ASlowDownloadCancelledAndAFailingOneWriteNothing)
{
    const std::string before = SampleRecords(folder, "COMETS.WDB", 140, 3);
    TinyHttpServer slow(QByteArray::fromStdString(TestData("CometEls.txt")), TinyHttpServer::Mode::Slow);
    {
        CCometImportDlg dialog;
        dialog.source()->field()->setText(slow.Address());
        dialog.source()->readButton()->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return slow.answered == 1; }, 5000));
        EXPECT_TRUE(!dialog.source()->progressBar()->isHidden() && dialog.source()->reading());
        dialog.reject();  // Annuler
        EXPECT_FALSE(dialog.source()->reading());
        EXPECT_TRUE(QTest::qWaitFor([&] { return slow.closed == 1; }, 5000));
        EXPECT_EQ(dialog.list()->topLevelItemCount(), 0);
    }
    EXPECT_EQ(folder.Read("COMETS.WDB"), before);
    EXPECT_TRUE(messages.messages.empty());

    TinyHttpServer failing({}, TinyHttpServer::Mode::Failing);
    CCometImportDlg dialog;
    ReadFrom(dialog.source(), failing.Address());
    EXPECT_EQ(messages.Texts(), "Le téléchargement de " + failing.Address().toStdString() +
                                    " a échoué : le serveur a répondu 404 (Not Found).");
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 0);
    messages.Clear();
    dialog.accept();  // nothing read: OK does nothing
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(folder.Read("COMETS.WDB"), before);
}

TEST_F(ImportDialogs, AsteroidsFromAFileUpToTheNumberChosen)
{
    SampleRecords(folder, "ASTERS.DTB", 110, 3);
    CAsteroidImportDlg dialog;
    dialog.show();
    const QString wrong = QString::fromStdString(TestDataPath("CometEls.txt"));
    ReadFrom(dialog.source(), wrong);
    EXPECT_EQ(messages.Texts(), "Le fichier n'est pas importé.\nLigne 1 : ce n'est pas une ligne d'éléments "
                                "d'astéroïde (désignation illisible).");
    EXPECT_EQ(dialog.source()->field()->selectedText(), wrong);  // typing replaces it
    messages.Clear();

    ReadFrom(dialog.source(), QString::fromStdString(TestDataPath("MPCORB.DAT")));
    EXPECT_TRUE(dialog.plan()->text().contains(QStringLiteral("astéroïdes 1 à 12 ; 3 mis à jour, 9 ajoutés.")));
    dialog.limit()->setValue(5);
    // Enter in the field reads it again; OK, now the default button, imports nothing yet.
    ReadFrom(dialog.source(), QString::fromStdString(TestDataPath("MPCORB.DAT")));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(dialog.plan()->text().contains(QStringLiteral("8 non pris au-delà du numéro 5.")));
    dialog.accept();
    EXPECT_EQ(messages.Texts(), "ASTERS.DTB : astéroïdes 1 à 5 ; 3 mis à jour, 2 ajoutés.\n"
                                "2 objets sans numéro non pris.\n8 non pris au-delà du numéro 5.");
    EXPECT_EQ(folder.Read("ASTERS.DTB"), TestData("../../data/ASTERS.DTB").substr(0, 5 * 110));
}

TEST_F(ImportDialogs, TheOldElementsNoticeOfTheMainWindow)
{
    folder.CopySample("ASTERS.DTB");
    ASSERT_TRUE(Start());
    // Ceres, epoch 2022 August 9, from 2025 January 1 for 300 days: 3.2 years at the end.
    AsteroidCatalog().Load(std::string(20, ' ') + "   1", Selection().currentAsteroid);
    Selection().ephemeris = {1, 1, 2025, 31, 10, 2000};
    doc().WriteAsteroidEphemeris();
    EXPECT_EQ(ElementsNoticeOf(&frame()), QStringLiteral("Éléments anciens : époque 9/8/2022, écart 3,2 ans ; "
                                                         "précision de quelques minutes d'arc au plus"));
    frame().OnCmdMsg(Cmd::EditClearAll);
    EXPECT_EQ(ElementsNoticeOf(&frame()), QString());
}
