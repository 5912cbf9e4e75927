// The menu commands that open the catalogue maintenance and the magnitude
// tools, and the selection they start from.

#include "app/CMainFrame.h"
#include "app/Commands.h"
#include "catalog/SelectionState.h"
#include "support/DialogTestSupport.h"

#include <QComboBox>
#include <QDialog>

namespace {

class MaintenanceCommands : public AppTest {
protected:
    void TearDown() override
    {
        ResetSelection();
        AppTest::TearDown();
    }

    // Runs command `id` and returns the title of the dialog it opened, after
    // `inside` has looked at it.
    QString Run(int id, const std::function<void(QWidget*)>& inside = {})
    {
        QString title;
        WhenModalShown([&](QWidget* dialog) {
            title = dialog->windowTitle();
            EXPECT_EQ(dialog->parentWidget(), nullptr);
            if (inside)
                inside(dialog);
            static_cast<QDialog*>(dialog)->reject();
        });
        frame().OnCmdMsg(id);
        return title;
    }
};

} // namespace

TEST_F(MaintenanceCommands, OpenTheirDialogsFromAFreshChoice)
{
    folder.CopySample("COMETS.WDB");
    folder.CopySample("SITES.NDB");
    ASSERT_TRUE(Start());
    SelectionState& state = Selection();

    // A comet chosen earlier gives way to the last of the catalogue.
    state.cometIndex = 4;
    EXPECT_EQ(Run(Cmd::CometBase, [&](QWidget*) { EXPECT_EQ(state.cometIndex, 23); }),
              QStringLiteral("Gestion de la base de données des comètes"));

    // A site chosen earlier is forgotten: the first one is chosen.
    state.siteIndex = 5;
    EXPECT_EQ(Run(Cmd::SiteBase,
                  [&](QWidget* dialog) {
                      EXPECT_EQ(state.siteIndex, 0);
                      EXPECT_EQ(Control<QComboBox>(dialog, 1042)->currentIndex(), 0);
                  }),
              QStringLiteral("Gestion de la base de données des sites"));

    EXPECT_EQ(Run(Cmd::Magnitudes), QStringLiteral("Calcul des coefficients de la formule des magnitudes"));
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();
}
