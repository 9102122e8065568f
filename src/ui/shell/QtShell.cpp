#include "QtShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace zenoku {

// The results are ignored on purpose: a missing file or program has no visible effect of the
// program's own, and none of these calls blocks until the started program ends.

void QtShell::openDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtShell::openAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void QtShell::startProgram(const QString& path, const QString& parameters) {
    // No command interpreter sits in between: the path and the arguments reach the program
    // as they are, whatever characters they hold.
    QProcess::startDetached(path, QProcess::splitCommand(parameters));
}

} // namespace zenoku
