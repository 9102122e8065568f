// Runs every window test class on one offscreen application. Test functions named on the
// command line run in the classes that have them.
#include "ScriptedDialogs.h"
#include "WindowTestRegistry.h"
#include "window/Application.h"
#include "window/LayoutFonts.h"
#include "window/WindowTexts.h"

#include <QApplication>
#include <QMetaMethod>
#include <QTest>

namespace {

bool hasAnyOf(const QObject& tests, const QStringList& functions) {
    const QMetaObject* meta = tests.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QString name = QString::fromLatin1(meta->method(i).name());
        for (const QString& f : functions)
            if (f.section(QLatin1Char(':'), 0, 0) == name) return true;
    }
    return false;
}

} // namespace

namespace zenoku::test {

ScriptedDialogs& applicationDialogs() {
    static ScriptedDialogs dialogs;
    return dialogs;
}

} // namespace zenoku::test

int main(int argc, char* argv[]) {
    // The program's own application, so errors escaping a command reach scripted dialogs.
    zenoku::Application app(argc, argv, zenoku::test::applicationDialogs());
    QApplication::setApplicationName(zenoku::qtext(zenoku::texts::kApplicationTitle));
    zenoku::substituteLayoutFonts();

    QStringList functions;
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-') functions << QString::fromLocal8Bit(argv[i]);
    int failed = 0;
    for (const auto& make : zenoku::test::windowTestClasses()) {
        const auto tests = make();
        if (functions.isEmpty() || hasAnyOf(*tests, functions))
            failed += QTest::qExec(tests.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
