// zenoku-sim: the window program.
#include "Application.h"
#include "LayoutFonts.h"
#include "MainForm.h"
#include "QtDialogs.h"
#include "WindowTexts.h"
#include "about/AboutBox.h"
#include "about/ProgramIcon.h"
#include "shell/HelpCommands.h"
#include "shell/QtShell.h"

#include <QApplication>
#include <QCommandLineParser>
#include <ctime>

int main(int argc, char* argv[]) {
    zenoku::QtDialogs dialogs;
    zenoku::Application app(argc, argv, dialogs);
    QApplication::setApplicationName(zenoku::qtext(zenoku::texts::kApplicationTitle));
    QApplication::setWindowIcon(zenoku::programIcon());
    // Lets a desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("zenoku-sim"));
    zenoku::substituteLayoutFonts();

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption seedOption(
        QStringLiteral("seed"),
        QStringLiteral("Seed the random source with S (0..4294967295) instead of the clock."),
        QStringLiteral("S"));
    parser.addOption(seedOption);
    parser.process(app);

    // The random source is seeded once, from the calendar time in seconds unless a seed is
    // given; every run, batch and opened file then continues that one sequence.
    auto seed = static_cast<std::uint32_t>(std::time(nullptr));
    if (parser.isSet(seedOption)) {
        bool ok = false;
        seed = parser.value(seedOption).toUInt(&ok);
        if (!ok) {
            qCritical("zenoku-sim: --seed takes a whole number from 0 to 4294967295");
            return 2;
        }
    }

    zenoku::QtShell shell;
    zenoku::HelpCommands help(shell, zenoku::HelpCommands::executableFolder(),
                              zenoku::HelpCommands::defaultHomepage());
    zenoku::TMainForm window(dialogs, seed);
    // The about box is created after the window, hidden, and shown on request.
    zenoku::TAboutBox about(help, &window);
    window.setHelp(help, about);
    window.show();
    QApplication::exec();
    return 0;
}
