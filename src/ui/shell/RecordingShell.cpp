#include "RecordingShell.h"

namespace zenoku {

void RecordingShell::openDocument(const QString& path) {
    m_calls.push_back({ShellCall::Verb::OpenDocument, path, {}});
}

void RecordingShell::openAddress(const QString& address) {
    m_calls.push_back({ShellCall::Verb::OpenAddress, address, {}});
}

void RecordingShell::startProgram(const QString& path, const QString& parameters) {
    m_calls.push_back({ShellCall::Verb::StartProgram, path, parameters});
}

} // namespace zenoku
