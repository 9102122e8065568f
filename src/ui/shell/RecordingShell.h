#pragma once

#include "Shell.h"

#include <vector>

namespace zenoku {

/// One request handed to a `RecordingShell`.
struct ShellCall {
    enum class Verb { OpenDocument, OpenAddress, StartProgram };

    Verb verb;
    QString target;     ///< the document's path, the address, or the program's path
    QString parameters; ///< the parameter text of a started program; empty otherwise

    friend bool operator==(const ShellCall&, const ShellCall&) = default;
};

/// A shell that starts nothing and records every request in order, so tests can check the
/// verb, target and parameters of each command.
class RecordingShell final : public Shell {
public:
    void openDocument(const QString& path) override;
    void openAddress(const QString& address) override;
    void startProgram(const QString& path, const QString& parameters) override;

    /// The requests so far, oldest first.
    const std::vector<ShellCall>& calls() const { return m_calls; }
    /// Forgets the recorded requests.
    void clear() { m_calls.clear(); }

private:
    std::vector<ShellCall> m_calls;
};

} // namespace zenoku
