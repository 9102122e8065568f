#pragma once

#include <QString>

class QWidget;

namespace zenoku {

/// The modal dialogs and file pickers of the main window. The program shows real ones
/// (`QtDialogs`); tests script them, so every dialog a command opens can be answered and
/// checked.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    /// The program's own error dialog: error icon, caption "エラー", one "OK" button.
    /// Returns when it has been closed.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    /// The toolkit's general error box, which reports a text that is not an integer and any
    /// other error raised by a command: error icon, caption "ゼノクsim", one "OK" button.
    virtual void showToolkitError(QWidget* parent, const QString& message) = 0;
    /// The open dialog for a ".sim" file. Returns the chosen file, or the empty text when
    /// the dialog was cancelled.
    virtual QString openFileName(QWidget* parent) = 0;
    /// The save dialog for a ".sim" file (a batch uses it for its one name). Returns the
    /// chosen file, or the empty text when the dialog was cancelled.
    virtual QString saveFileName(QWidget* parent) = 0;
};

} // namespace zenoku
