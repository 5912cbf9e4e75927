#include "planner/TonightInput.h"

#include "core/CFormat.h"
#include "core/FieldParsers.h"
#include "platform/Messages.h"

#include <cctype>
#include <cmath>
#include <ctime>
#include <string>

void TonightsEvening(int& day, int& month, int& year)
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    if (local.tm_hour < 12) {
        now -= 86400;
        localtime_r(&now, &local);
    }
    day = local.tm_mday;
    month = local.tm_mon + 1;
    year = local.tm_year + 1900;
}

bool ReadDecimal(std::string_view text, double& value)
{
    // A sign, digits with at most one decimal separator, nothing else.
    std::string number(text);
    std::size_t at = !number.empty() && (number[0] == '+' || number[0] == '-') ? 1 : 0;
    bool digits = false, separator = false;
    for (; at < number.size(); ++at) {
        char& c = number[at];
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits = true;
        else if ((c == '.' || c == ',') && !separator)
            separator = true, c = '.';
        else
            return false;
    }
    return digits && ScanReal(number, value) && std::isfinite(value);
}

TonightField ReadTonightFields(std::string_view date, std::string_view magnitude, std::string_view altitude,
                               TonightRequest& request)
{
    if (date.empty()) {
        ShowMessage(MessageIcon::Warning, "Étourdi ! Vous avez oublié de saisir une donnée !");
        return TonightField::Date;
    }
    if (ParseDate(date, request.day, request.month, request.year) != 1)
        return TonightField::Date;
    if (!ReadDecimal(magnitude, request.magnitudeLimit)) {
        ShowMessage(MessageIcon::Stop, "La magnitude limite doit être un nombre, par exemple 12 ou 10.5.");
        return TonightField::Magnitude;
    }
    if (!ReadDecimal(altitude, request.altitudeMin)) {
        ShowMessage(MessageIcon::Stop, "La hauteur minimale doit être un nombre de degrés, par exemple 10.");
        return TonightField::Altitude;
    }
    if (const auto error = TonightRequestError(request)) {
        ShowMessage(MessageIcon::Stop, *error);
        return request.magnitudeLimit < -10 || request.magnitudeLimit > 30 ? TonightField::Magnitude
               : request.altitudeMin < 0 || request.altitudeMin > 89        ? TonightField::Altitude
                                                                             : TonightField::Date;
    }
    return TonightField::None;
}
