#pragma once
// The three CSV files of the program: the objects of one night, the nights of
// a visibility diagram and the lines of an ephemeris. Their header names and
// units are a contract with the scripts that read them: keep them.

#include "diagram/DiagramNights.h"
#include "ephemeris/EphemerisWriter.h"
#include "planner/TonightPlanner.h"

#include <span>
#include <string>
#include <vector>

// name,kind,magnitude,start_utc,end_utc,hours,best_utc,best_alt_deg,best_az_deg,
// elongation_deg,moon_alt_deg,moon_illum,moon_sep_deg: one row per row given,
// in their order; the azimuth from the north through the east, 0 to 360.
std::string TonightCsv(const std::vector<TonightRow>& rows, std::span<const PlannerObject> objects);

// date,rise_utc,transit_utc,set_utc,up10_utc,down10_utc,night_start_utc,
// night_end_utc,comfort_start_utc,comfort_end_utc: one row per night, dated
// by its evening.
std::string NightsCsv(const std::vector<NightInstants>& nights);

// date,ra_h,dec_deg,delta_au,r_au,elong_deg,phase_deg,mag,antisolar_deg: one
// row per line of the table, the anti-solar direction empty where the table
// has none.
std::string EphemerisCsv(const std::vector<EphemerisLine>& lines);
