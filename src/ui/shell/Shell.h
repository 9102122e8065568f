#pragma once

#include <QString>

namespace zenoku {

/// The desktop shell: hands a document, an address or a program to the operating system.
/// Nothing here waits for what it starts and nothing reports a failure: a missing file, a
/// missing program or a type without an associated program simply has no effect. The program
/// uses `QtShell`; tests use `RecordingShell`.
class Shell {
public:
    virtual ~Shell() = default;

    /// Opens the local file `path` (absolute) with the program the desktop associates with its
    /// type.
    virtual void openDocument(const QString& path) = 0;
    /// Opens `address` (an http, https or mailto address) with the desktop's default program
    /// for it: the browser or the mail program.
    virtual void openAddress(const QString& address) = 0;
    /// Starts the program at `path` as a separate, detached process. `parameters` is its
    /// parameter text, split into arguments the way a command line is ("a b" gives two).
    virtual void startProgram(const QString& path, const QString& parameters) = 0;
};

} // namespace zenoku
