#include "magnitude/MagnitudeInput.h"

#include "core/FieldParsers.h"
#include "platform/Messages.h"

namespace {

constexpr std::string_view kZeroDistance = "Erreur ! Une distance ne peut pas être nulle.\n\nRecommencez !";
constexpr std::string_view kEqualSunDistances =
    "Erreur ! Les deux distances comète-Soleil doivent être différentes.\n\nRecommencez !";
constexpr std::string_view kNoCoefficients =
    "Erreur ! Ces observations ne permettent pas de calculer les coefficients.\n\nRecommencez !";
constexpr std::string_view kNegativeSecondCoefficient =
    "Erreur ! Ces observations donnent un deuxième coefficient négatif.\n\nVérifiez-les et recommencez !";
constexpr std::string_view kNoMagnitude =
    "Erreur ! Ces valeurs ne permettent pas de calculer la magnitude.\n\nRecommencez !";

} // namespace

int ParseDistance(std::string_view text, double& value)
{
    double distance = 0.0;
    if (!ParseUnsignedReal(text, distance))
        return 0;
    if (distance == 0.0) {
        ShowMessage(MessageIcon::Stop, kZeroDistance);
        return 0;
    }
    value = distance;
    return 1;
}

void ShowFitRefusal(FitRefusal refusal)
{
    switch (refusal) {
    case FitRefusal::None: return;
    case FitRefusal::EqualSunDistances: ShowMessage(MessageIcon::Stop, kEqualSunDistances); return;
    case FitRefusal::NoFiniteResult: ShowMessage(MessageIcon::Stop, kNoCoefficients); return;
    case FitRefusal::NegativeSecondCoefficient: ShowMessage(MessageIcon::Stop, kNegativeSecondCoefficient); return;
    }
}

void ShowNoMagnitude()
{
    ShowMessage(MessageIcon::Stop, kNoMagnitude);
}
