// Engine-internal: readers of Earth-orientation files. Three layouts are recognised from the
// content:
//  - IERS finals2000A / finals.data (Rapid Service/Prediction Centre, fixed columns as in
//    the IERS "readme.finals2000A"): MJD in columns 8-15, polar motion x and y in arcseconds
//    in columns 19-27 and 38-46, UT1-UTC in seconds in columns 59-68 (Bulletin A values).
//    Rows with blank polar motion or UT1-UTC (the unfilled days at the end of the file) are
//    skipped.
//  - CelesTrak EOP-All text: rows between BEGIN OBSERVED / END OBSERVED and BEGIN PREDICTED
//    / END PREDICTED, blank-separated fields year, month, day, MJD, x ("), y ("), UT1-UTC (s),
//    LOD, dPsi, dEpsilon, dX, dY, DAT (TAI-UTC, s); see celestrak.org/SpaceData/EOP-format.
//  - CelesTrak EOP-All CSV: the same fields, comma-separated, named by a header row
//    (DATE,MJD,X,Y,UT1-UTC,LOD,DPSI,DEPS,DX,DY,DAT,DATA_TYPE); columns are found by name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace engine::eop {

// One daily row, at 0h UTC of its MJD.
struct EopRow {
  double mjd_utc;
  double xp_arcsec;
  double yp_arcsec;
  double ut1_minus_utc_s;
  double tai_minus_utc_s;  // NaN when the layout carries no TAI-UTC
};

// Reads every row of an Earth-orientation text, in file order, with MJD strictly increasing.
// Returns false with a message ("line N: ..." for a line that cannot be read, or a sentence
// about the layout) when the text is not a readable Earth-orientation file or holds no row.
bool read_eop_rows(std::string_view text, std::vector<EopRow>& rows, std::string& error);

}  // namespace engine::eop
