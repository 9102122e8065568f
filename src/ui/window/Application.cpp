#include "Application.h"

#include "Dialogs.h"

#include <exception>

namespace zenoku {

Application::Application(int& argc, char** argv, Dialogs& dialogs)
    : QApplication(argc, argv), m_dialogs(dialogs) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    // Qt's event loop cannot pass an exception on; it is caught here, at the last place that
    // still knows which event failed, and the event counts as not handled.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        m_dialogs.showToolkitError(activeWindow(), QString::fromUtf8(error.what()));
    } catch (...) {
        m_dialogs.showToolkitError(activeWindow(), QString());
    }
    return false;
}

} // namespace zenoku
