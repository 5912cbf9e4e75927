// The coefficient dialog and its calculator: the fit shown rounded, the
// coefficients carried back from the calculator, and what reaches the current
// comet's record.

#include "catalog/SelectionState.h"
#include "magnitude/CMagnitudeCoefDlg.h"
#include "platform/CatalogFile.h"
#include "platform/Messages.h"
#include "support/DialogTestSupport.h"

#include <QPushButton>

namespace {

const std::string kFitFirst = "Étourdi ! Commencez par calculer les coefficients !";

class Magnitudes : public testing::Test {
protected:
    void SetUp() override
    {
        ResetSelection();
        ShowActive(dialog);
    }
    void TearDown() override { ResetSelection(); }

    // Delta1, r1, m1, Delta2, r2, m2 as the user types them, then the fit.
    void Fit(const QString& d1, const QString& r1, const QString& m1, const QString& d2, const QString& r2,
             const QString& m2)
    {
        Type(&dialog, 1069, d1);
        Type(&dialog, 1075, r1);
        Type(&dialog, 1076, m1);
        Type(&dialog, 1077, d2);
        Type(&dialog, 1078, r2);
        Type(&dialog, 1079, m2);
        Press(&dialog, 1070);
    }

    TempFolder folder;
    MessageRecorder messages;
    SelectionState& state = Selection();
    CMagnitudeCoefDlg dialog;
};

} // namespace

TEST_F(Magnitudes, FitShowsHToTheHalfAndKToTheInteger)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Calcul des coefficients de la formule des magnitudes"));
    Fit("1.0", "1.0", "8.0", "2.0", "2.0", "12.0");
    EXPECT_EQ(FieldText(&dialog, 1071), QStringLiteral("8.0"));
    EXPECT_EQ(FieldText(&dialog, 1080), QStringLiteral("8"));
    Fit("0.5", "1.2", "9.0", "1.0", "2.0", "13.0");
    EXPECT_EQ(FieldText(&dialog, 1071), QStringLiteral("9.5"));
    EXPECT_EQ(FieldText(&dialog, 1080), QStringLiteral("11"));
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();
}

TEST_F(Magnitudes, RefusedObservationsKeepThePreviousResultsAndPointAtTheField)
{
    // Nothing fitted yet: neither the calculator nor OK.
    Press(&dialog, 1081);
    Press(&dialog, 1);
    EXPECT_EQ(messages.Texts(), kFitFirst + " | " + kFitFirst);
    EXPECT_EQ(FocusName(&dialog), QStringLiteral("1070"));
    EXPECT_TRUE(dialog.isVisible());

    Fit("1.0", "1.0", "8.0", "2.0", "2.0", "12.0");
    struct Case {
        int field;
        QString text;
        std::string message;
        int focus;
    };
    const Case cases[] = {
        {1069, "1,5", "Erreur de saisie ! Recommencez !", 1069},
        {1077, "0", "Erreur ! Une distance ne peut pas être nulle.\n\nRecommencez !", 1077},
        {1078, "1.0", "Erreur ! Les deux distances comète-Soleil doivent être différentes.\n\nRecommencez !", 1078},
        {1076, "16.0", "Erreur ! Ces observations donnent un deuxième coefficient négatif.\n\nVérifiez-les et recommencez !",
         1076},
        {1079, "", "Étourdi ! Vous avez oublié de saisir une donnée !", 1079},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const QString kept = FieldText(&dialog, c.field);
        messages.Clear();
        Type(&dialog, c.field, c.text);
        Press(&dialog, 1070);
        EXPECT_EQ(messages.Texts(), c.message);
        EXPECT_EQ(FocusName(&dialog), QString::number(c.focus));
        EXPECT_EQ(FieldText(&dialog, 1071), QStringLiteral("8.0"));
        EXPECT_EQ(FieldText(&dialog, 1080), QStringLiteral("8"));
        Type(&dialog, c.field, kept);
    }
}

TEST_F(Magnitudes, CalculatorCoefficientsComeBackAndOkRewritesOnlyThemInTheRecord)
{
    const std::string before = SampleRecords(folder, "COMETS.WDB", 140, 5);
    state.cometIndex = 2;
    state.currentComet = RecordAt<CometRecord>(before, 2);
    // Values of an entry cancelled earlier stay in the current comet only.
    SetCometName(state.currentComet, "cancelled edit");

    Fit("1.0", "1.0", "8.0", "2.0", "2.0", "12.0");
    // Annuler in the calculator changes nothing.
    WhenModalShown([](QWidget* calculator) {
        Type(calculator, 1071, QStringLiteral("3.0"));
        Press(calculator, 2);
    });
    Press(&dialog, 1081);
    EXPECT_EQ(FieldText(&dialog, 1071), QStringLiteral("8.0"));

    WhenModalShown([this](QWidget* calculator) {
        EXPECT_EQ(calculator->windowTitle(), QStringLiteral("Calcul de magnitudes"));
        EXPECT_EQ(FieldText(calculator, 1071), QStringLiteral("8.0"));
        EXPECT_EQ(FieldText(calculator, 1080), QStringLiteral("8"));
        Type(calculator, 1073, QStringLiteral("2"));
        Type(calculator, 1074, QStringLiteral("0"));
        Press(calculator, 1081);
        EXPECT_EQ(messages.Texts(), "Erreur ! Une distance ne peut pas être nulle.\n\nRecommencez !");
        EXPECT_EQ(FocusName(calculator), QStringLiteral("1074"));
        EXPECT_EQ(FieldText(calculator, 1075), QString());

        Type(calculator, 1074, QStringLiteral("2"));
        Press(calculator, 1081);
        EXPECT_EQ(FieldText(calculator, 1075), QStringLiteral("11.9"));
        Type(calculator, 1071, QStringLiteral("7.5"));
        Press(calculator, 1081);
        EXPECT_EQ(FieldText(calculator, 1075), QStringLiteral("11.4"));
        Press(calculator, 1);
    });
    Press(&dialog, 1081);
    EXPECT_EQ(FieldText(&dialog, 1071), QStringLiteral("7.5"));
    EXPECT_EQ(FieldText(&dialog, 1080), QStringLiteral("8"));

    messages.Clear();
    Press(&dialog, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();
    EXPECT_EQ(state.currentComet.magnitudeCoef1, 7.5);
    EXPECT_EQ(state.currentComet.magnitudeCoef2, 8.0);
    CometRecord expected = RecordAt<CometRecord>(before, 2);
    expected.magnitudeCoef1 = 7.5;
    expected.magnitudeCoef2 = 8.0;
    const std::string after = folder.Read("COMETS.WDB");
    EXPECT_EQ(after, before.substr(0, 280) + RecordBytes(expected) + before.substr(420));
}

TEST_F(Magnitudes, OkWithoutAChosenCometOrWithALockedFile)
{
    const std::string before = SampleRecords(folder, "COMETS.WDB", 140, 3);
    Fit("0.5", "1.2", "9.0", "1.0", "2.0", "13.0");
    {
        state.cometIndex = 1;
        CatalogFile lock("COMETS.WDB", CatalogFile::Mode::Read);
        Press(&dialog, 1);
        EXPECT_EQ(messages.Texts(), "Une violation de partage s'est produite lors de l'accès à COMETS.WDB.");
        EXPECT_TRUE(dialog.isVisible());
    }
    // A typed coefficient counts, and is checked as any other number.
    messages.Clear();
    Type(&dialog, 1080, QStringLiteral("-4"));
    Press(&dialog, 1);
    EXPECT_EQ(messages.Texts(), "Erreur de saisie ! Recommencez !");
    EXPECT_EQ(FocusName(&dialog), QStringLiteral("1080"));

    messages.Clear();
    Type(&dialog, 1080, QStringLiteral("11"));
    state.cometIndex = -1;
    Press(&dialog, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(messages.Texts(), "Aucune comète n'est sélectionnée : les coefficients n'ont été enregistrés "
                                "dans aucune fiche du catalogue.");
    EXPECT_EQ(state.currentComet.magnitudeCoef1, 9.5);
    EXPECT_EQ(state.currentComet.magnitudeCoef2, 11.0);
    EXPECT_EQ(folder.Read("COMETS.WDB"), before);
}
