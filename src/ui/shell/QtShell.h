#pragma once

#include "Shell.h"

namespace zenoku {

/// The real shell: documents and addresses go to `QDesktopServices`, programs to
/// `QProcess::startDetached`.
class QtShell final : public Shell {
public:
    void openDocument(const QString& path) override;
    void openAddress(const QString& address) override;
    void startProgram(const QString& path, const QString& parameters) override;
};

} // namespace zenoku
