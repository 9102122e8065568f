#include "ProgramIcon.h"

namespace zenoku {

QIcon programIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/zenoku/icons/zenoku-sim-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/zenoku/icons/zenoku-sim-128.png"), QSize(128, 128));
    return icon;
}

} // namespace zenoku
