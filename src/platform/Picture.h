#pragma once
// Number pictures of the suite's files and printed texts: "##0", "000", "#0", "0.0".

#include <QString>
#include <QStringView>

namespace platform {

// Formats value by a picture of digit places: '0' is always a digit, '#' a digit only when
// significant (Format(0, "##") is empty), and an optional '.' followed by the decimal
// places ('0' kept, '#' dropped when a trailing zero). Integer digits beyond the picture
// are all written. Rounds half away from zero at the last place (2.5 with "0" gives "3"),
// after reducing the value to 15 significant digits so that 1.005 with "0.00" gives "1.01".
// Other picture characters are not supported and are ignored.
QString formatPicture(double value, QStringView picture);

}  // namespace platform
