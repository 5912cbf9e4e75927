#pragma once
// What the user types for a night's plan, read the same way in the window and
// in qav-cli: the evening's date, the faintest magnitude and the lowest
// altitude. Refusals are shown through ShowMessage, one message each.

#include "planner/TonightPlanner.h"

#include <string>
#include <string_view>

// The date of this evening by the computer's clock: today from noon on,
// yesterday before noon (the night that started yesterday evening).
void TonightsEvening(int& day, int& month, int& year);

// A signed decimal number, with a point or a comma: "12", "-1.5", "10,5".
bool ReadDecimal(std::string_view text, double& value);

// Which field was refused.
enum class TonightField { None, Date, Magnitude, Altitude };

// Reads the three texts into `request` (the date as "j/m/a" through the
// dialogs' date reader), checks the request and says why it is refused.
TonightField ReadTonightFields(std::string_view date, std::string_view magnitude, std::string_view altitude,
                               TonightRequest& request);
