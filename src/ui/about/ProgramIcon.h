#pragma once

#include <QIcon>

namespace zenoku {

/// The program's icon, for the window and the about box: the 32 × 32 and 128 × 128
/// renderings of the scalable drawing, from the resources ":/zenoku/icons/".
QIcon programIcon();

} // namespace zenoku
