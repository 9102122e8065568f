// The help menu of the window: each item reaches the help commands, and バージョン情報 shows
// the about box modally.
#include "WindowFixture.h"
#include "WindowTestRegistry.h"
#include "about/AboutBox.h"
#include "shell/HelpCommands.h"
#include "shell/RecordingShell.h"

#include <QApplication>
#include <QTimer>

namespace zenoku::test {

class HelpMenuTests : public QObject {
    Q_OBJECT
private slots:
    void itemsHandTheirRequestToTheShell() {
        WindowFixture w;
        RecordingShell shell;
        HelpCommands help(shell, QStringLiteral("/opt/zenoku/"),
                          QStringLiteral("https://example.org/zenoku/"));
        TAboutBox about(help, &w.form);
        w.form.setHelp(help, about);

        using Verb = ShellCall::Verb;
        w.action("HelpManMenu")->trigger();
        w.action("JWord1")->trigger();
        w.action("N3")->trigger();
        w.action("N4")->trigger();
        const std::vector<ShellCall> expected{
            {Verb::OpenDocument, QStringLiteral("/opt/zenoku/pomvex.hlp"), {}},
            {Verb::StartProgram, QStringLiteral("/opt/zenoku/jwv_for_QR482716.exe"),
             QStringLiteral("QR482716 1")},
            {Verb::OpenAddress, QStringLiteral("https://example.org/zenoku/"), {}},
            {Verb::OpenAddress, QStringLiteral("https://example.org/zenoku/ad.html"), {}},
        };
        QVERIFY(shell.calls() == expected);

        // バージョン情報 shows the box modally; closing it returns to the window.
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            wasModal = about.isVisible() && QApplication::activeModalWidget() == &about;
            about.accept();
        });
        w.action("HelpAboutMenu")->trigger();
        QVERIFY(wasModal);
        QVERIFY(!about.isVisible());
    }

    void withoutHelpCommandsTheItemsDoNothing() {
        WindowFixture w;
        for (const char* name : {"HelpManMenu", "JWord1", "N3", "N4", "HelpAboutMenu"})
            w.action(name)->trigger();
        QVERIFY(w.form.isEnabled());
    }
};

ZENOKU_WINDOW_TEST(HelpMenuTests);

} // namespace zenoku::test

#include "HelpMenuTests.moc"
