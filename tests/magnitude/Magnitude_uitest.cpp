// The magnitude law's fit, its dialog and calculator, and what reaches the comet's record.

#include "catalog/SelectionState.h"
#include "magnitude/CMagnitudeCoefDlg.h"
#include "magnitude/MagnitudeFormula.h"
#include "platform/CatalogFile.h"
#include "platform/Messages.h"
#include "support/DialogTestSupport.h"

#include <QLabel>

namespace {

class Magnitudes : public SelectionDialogTest {
protected:
    void SetUp() override { SelectionDialogTest::SetUp(); dialog.show(); }

    // Delta1, r1, m1, Delta2, r2, m2 as typed, then "Calcul des coefficients".
    void Fit(const QStringList& values)
    {
        const int fields[] = {1069, 1075, 1076, 1077, 1078, 1079};
        for (int k = 0; k < 6; ++k)
            Type(&dialog, fields[k], values[k]);
        Press(&dialog, 1070);
    }

    CMagnitudeCoefDlg dialog;
};

} // namespace

// The fit on its own: the rounding, and the observations that give no usable coefficient.
TEST(MagnitudeFormula, RoundsHToHalvesAwayFromZeroAndKToAnInteger)
{
    EXPECT_EQ(FirstCoefficientText(8.24) + FirstCoefficientText(8.25) + FirstCoefficientText(-8.25), "8.08.5-8.5");
    EXPECT_EQ(SecondCoefficientText(8.49) + SecondCoefficientText(8.5), "89");
    // Values rounding to zero carry no minus sign, which the number parser would refuse.
    EXPECT_EQ(FirstCoefficientText(-0.2) + " " + SecondCoefficientText(-0.4), "0.0 0");
}

// Equal Sun distances and a negative K are refused through the dialog below.
TEST(MagnitudeFormula, RefusesObservationsWithoutAUsableFit)
{
    EXPECT_EQ(FitMagnitudeCoefficients({0.0, 1.0, 8.0}, {2.0, 2.0, 12.0}).refusal, FitRefusal::NoFiniteResult);
    EXPECT_EQ(FitMagnitudeCoefficients({1.0, 0.0, 8.0}, {2.0, 2.0, 12.0}).refusal, FitRefusal::NoFiniteResult);
    EXPECT_EQ(FitMagnitudeCoefficients({1.0, 1.0, 1e308}, {1.0, 1.0000001, 0.0}).refusal, FitRefusal::NoFiniteResult);
    // K = -0.4 rounds to 0 and is kept.
    const MagnitudeFit nearZero = FitMagnitudeCoefficients({1.0, 1.0, 8.0}, {1.0, 10.0, 7.6});
    EXPECT_EQ(nearZero.refusal, FitRefusal::None);
    EXPECT_NEAR(nearZero.K, -0.4, 1e-12);
    EXPECT_NEAR(CometMagnitude(nearZero.H, nearZero.K, 1.0, 10.0), 7.6, 1e-12);
}

TEST_F(Magnitudes, FitShowsRoundedResultsAndRefusalsKeepThemWithTheFocusOnTheField)
{
    // Each observation's three fields stand under its heading.
    for (const QLabel* heading : dialog.findChildren<QLabel*>()) {
        const int x = heading->geometry().center().x();
        const std::vector<int> ids = heading->text() == "1er point"    ? std::vector{1069, 1075, 1076}
                                     : heading->text() == "2ème point" ? std::vector{1077, 1078, 1079}
                                                                       : std::vector<int>{};
        for (const int id : ids) {
            const QRect field = Control<QLineEdit>(&dialog, id)->geometry();
            EXPECT_TRUE(field.left() <= x && x <= field.right()) << id;
        }
    }
    // K = (9 - 13 - 5 log 0.5) / log 0.6 = 11.25, H = 9 - 5 log 0.5 - K log 1.2 = 9.61.
    Fit({"0.5", "1.2", "9.0", "1.0", "2.0", "13.0"});
    EXPECT_EQ(FieldText(&dialog, 1071) + " " + FieldText(&dialog, 1080), QStringLiteral("9.5 11"));
    Fit({"1.0", "1.0", "8.0", "2.0", "2.0", "12.0"});
    EXPECT_EQ(FieldText(&dialog, 1071) + " " + FieldText(&dialog, 1080), QStringLiteral("8.0 8"));
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();

    for (const auto& [field, text, message] :
         {std::tuple{1069, "1,5", "Erreur de saisie ! Recommencez !"},
          std::tuple{1077, "0", "Erreur ! Une distance ne peut pas être nulle.\n\nRecommencez !"},
          std::tuple{1078, "1.0", "Erreur ! Les deux distances comète-Soleil doivent être différentes.\n\nRecommencez !"},
          std::tuple{1076, "16.0",
                     "Erreur ! Ces observations donnent un deuxième coefficient négatif.\n\nVérifiez-les et recommencez !"}}) {
        ExpectRefused(messages, &dialog, field, QString::fromUtf8(text), message, 1070);
        EXPECT_EQ(FieldText(&dialog, 1071) + FieldText(&dialog, 1080), QStringLiteral("8.08"));
    }
}

TEST_F(Magnitudes, CalculatorCoefficientsComeBackAndOkRewritesOnlyThemInTheRecord)
{
    // Nothing to try or store before a fit.
    Press(&dialog, 1081);
    Press(&dialog, 1);
    const std::string fitFirst = "Étourdi ! Commencez par calculer les coefficients !";
    EXPECT_EQ(messages.Texts(), fitFirst + " | " + fitFirst);
    EXPECT_EQ(FocusName(&dialog), QStringLiteral("1070"));

    const std::string before = SampleRecords(folder, "COMETS.WDB", 140, 5);
    state.cometIndex = 2;
    state.currentComet = RecordAt<CometRecord>(before, 2);
    SetCometName(state.currentComet, "cancelled edit");  // left by an entry cancelled earlier
    Fit({"1.0", "1.0", "8.0", "2.0", "2.0", "12.0"});
    AnswerNextModal(QStringLiteral("Annuler"));
    Press(&dialog, 1081);
    WhenModalShown([](QWidget* calculator) {
        EXPECT_EQ(FieldText(calculator, 1071) + " " + FieldText(calculator, 1080), QStringLiteral("8.0 8"));
        // Delta 1, r 2: 8.0 + 5 log 1 + 8 log 2 = 10.41; then 7.5 + 8 log 2 = 9.91.
        Type(calculator, 1073, QStringLiteral("1"));
        Type(calculator, 1074, QStringLiteral("2"));
        Press(calculator, 1081);
        EXPECT_EQ(FieldText(calculator, 1075), QStringLiteral("10.4"));
        Type(calculator, 1071, QStringLiteral("7.5"));
        Press(calculator, 1081);
        EXPECT_EQ(FieldText(calculator, 1075), QStringLiteral("9.9"));
        Press(calculator, 1);
    });
    Press(&dialog, 1081);
    EXPECT_EQ(FieldText(&dialog, 1071), QStringLiteral("7.5"));

    messages.Clear();
    Press(&dialog, 1);
    EXPECT_TRUE(dialog.result() == QDialog::Accepted && messages.messages.empty()) << messages.Texts();
    EXPECT_EQ(state.currentComet.magnitudeCoef1, 7.5);
    CometRecord expected = RecordAt<CometRecord>(before, 2);
    expected.magnitudeCoef1 = 7.5;
    expected.magnitudeCoef2 = 8.0;
    EXPECT_EQ(folder.Read("COMETS.WDB"), before.substr(0, 280) + RecordBytes(expected) + before.substr(420));
}

TEST_F(Magnitudes, OkWithALockedFileOrWithoutAChosenComet)
{
    const std::string before = SampleRecords(folder, "COMETS.WDB", 140, 3);
    Fit({"0.5", "1.2", "9.0", "1.0", "2.0", "13.0"});
    state.cometIndex = 1;
    {
        CatalogFile lock("COMETS.WDB", CatalogFile::Mode::Read);
        Press(&dialog, 1);
        EXPECT_EQ(messages.Texts(), "Une violation de partage s'est produite lors de l'accès à COMETS.WDB.");
        EXPECT_TRUE(dialog.isVisible());
    }
    // A typed coefficient counts, checked as any number.
    ExpectRefused(messages, &dialog, 1080, QStringLiteral("-4"), "Erreur de saisie ! Recommencez !");

    messages.Clear();
    Type(&dialog, 1080, QStringLiteral("12"));
    state.cometIndex = -1;
    Press(&dialog, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(messages.Texts(), "Aucune comète n'est sélectionnée : les coefficients n'ont été enregistrés "
                                "dans aucune fiche du catalogue.");
    EXPECT_EQ(state.currentComet.magnitudeCoef2, 12.0);
    EXPECT_EQ(folder.Read("COMETS.WDB"), before);
}
