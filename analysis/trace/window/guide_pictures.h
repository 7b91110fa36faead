// The seven pictures of the spreadsheet guide (TForm_img_excel), drawn in code: how a
// trace grid saved as text opens in a spreadsheet program, from starting the program to
// the finished sheet. Schematic drawings of our own, with the step's point ringed in red
// and a line of explanation under each.
#pragma once

#include <QPixmap>
#include <QSize>

namespace tracewin {

inline constexpr int kGuideSteps = 7;
inline constexpr QSize kGuidePictureSize{720, 480};

// Step 1..kGuideSteps; a null pixmap for any other step.
[[nodiscard]] QPixmap guide_picture(int step);

}  // namespace tracewin
