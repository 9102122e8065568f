// An error escaping a command is reported in the toolkit's error box, and the program goes on.
#include "ScriptedDialogs.h"
#include "WindowTestRegistry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <stdexcept>

namespace zenoku::test {

ScriptedDialogs& applicationDialogs();

namespace {

/// An object whose handling of any posted event fails, with an error or with anything else.
class FailingReceiver final : public QObject {
public:
    explicit FailingReceiver(bool standardError) : m_standardError(standardError) {}
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        if (m_standardError) throw std::runtime_error("記録を書けませんでした");
        throw 42;
    }

private:
    bool m_standardError;
};

} // namespace

class ApplicationTests : public QObject {
    Q_OBJECT
private slots:
    void escapedErrorIsShownAndTheLoopGoesOn() {
        ScriptedDialogs& dialogs = applicationDialogs();
        dialogs.calls.clear();
        FailingReceiver standard(true), other(false);
        QCoreApplication::postEvent(&standard, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&other, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(dialogs.calls.size(), std::size_t{2});
        QCOMPARE(dialogs.calls[0].kind, ScriptedDialogs::Kind::ToolkitError);
        QCOMPARE(dialogs.calls[0].text, QStringLiteral("記録を書けませんでした"));
        QCOMPARE(dialogs.calls[1].kind, ScriptedDialogs::Kind::ToolkitError);
        QCOMPARE(dialogs.calls[1].text, QString()); // anything else: an empty message
    }
};

ZENOKU_WINDOW_TEST(ApplicationTests);

} // namespace zenoku::test

#include "ApplicationTests.moc"
