#pragma once

#include <QApplication>

namespace zenoku {

class Dialogs;

/// The GUI application. An error that escapes a command is reported in the toolkit's general
/// error box (its message and an OK button), and the program goes on with the next event
/// instead of ending.
class Application final : public QApplication {
public:
    /// `dialogs` shows the error box; it must outlive the application's event loop.
    Application(int& argc, char** argv, Dialogs& dialogs);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Dialogs& m_dialogs;
};

} // namespace zenoku
