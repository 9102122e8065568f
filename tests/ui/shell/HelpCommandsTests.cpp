// The help menu's commands and the about box's links, through a recording shell: the verb,
// the target and the parameter text each one hands over.
#include "shell/HelpCommands.h"
#include "shell/RecordingShell.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

using zenoku::HelpCommands;
using zenoku::RecordingShell;
using zenoku::ShellCall;
using Verb = zenoku::ShellCall::Verb;

using Command = void (HelpCommands::*)();
Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(ShellCall)

namespace QTest {
template <> char* toString(const ShellCall& call) {
    static const char* const verbs[] = {"OpenDocument", "OpenAddress", "StartProgram"};
    const QString text =
        QStringLiteral("%1(\"%2\", \"%3\")")
            .arg(QLatin1String(verbs[static_cast<int>(call.verb)]), call.target, call.parameters);
    return qstrdup(text.toUtf8().constData());
}
} // namespace QTest

class HelpCommandsTests : public QObject {
    Q_OBJECT

private slots:
    void eachCommandHandsOneCallToTheShell_data();
    void eachCommandHandsOneCallToTheShell();
    void helpFileIsTheFullPathBesideTheRunningProgramEvenWhenMissing();
    void configuredAddressesAreUsable();
};

void HelpCommandsTests::eachCommandHandsOneCallToTheShell_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("homepage");
    QTest::addColumn<ShellCall>("expected");

    // A folder that does not exist, with a space in its name: the commands hand over paths
    // without looking at the disk or quoting anything.
    const QString folder = QStringLiteral("/opt/zenoku sim/bin/");
    const QString home = QStringLiteral("https://zenoku-sim.example.org/");
    const QString mail = QStringLiteral("mailto:") + HelpCommands::authorMailAddress();

    QTest::newRow("help file") << &HelpCommands::HelpManMenuClick << folder << home
                               << ShellCall{Verb::OpenDocument, folder + "pomvex.hlp", {}};
    QTest::newRow("help file, folder without closing slash")
        << &HelpCommands::HelpManMenuClick << QStringLiteral("/opt/zenoku sim/bin") << home
        << ShellCall{Verb::OpenDocument, folder + "pomvex.hlp", {}};
    QTest::newRow("toolbar installer")
        << &HelpCommands::JWord1Click << folder << home
        << ShellCall{Verb::StartProgram, folder + "jwv_for_QR482716.exe", "QR482716 1"};
    QTest::newRow("homepage") << &HelpCommands::N3Click << folder << home
                              << ShellCall{Verb::OpenAddress, home, {}};
    QTest::newRow("advertisement") << &HelpCommands::N4Click << folder << home
                                   << ShellCall{Verb::OpenAddress, home + "ad.html", {}};
    QTest::newRow("advertisement, homepage without closing slash")
        << &HelpCommands::N4Click << folder << QStringLiteral("https://example.org/zenoku")
        << ShellCall{Verb::OpenAddress, "https://example.org/zenoku/ad.html", {}};
    QTest::newRow("about box homepage link")
        << &HelpCommands::Label1Click << folder << home << ShellCall{Verb::OpenAddress, home, {}};
    QTest::newRow("about box author link")
        << &HelpCommands::Label2Click << folder << home << ShellCall{Verb::OpenAddress, mail, {}};
}

void HelpCommandsTests::eachCommandHandsOneCallToTheShell() {
    QFETCH(Command, command);
    QFETCH(QString, folder);
    QFETCH(QString, homepage);
    QFETCH(ShellCall, expected);

    RecordingShell shell;
    HelpCommands commands(shell, folder, homepage);
    (commands.*command)();
    QCOMPARE(shell.calls().size(), std::size_t{1});
    QCOMPARE(shell.calls().front(), expected);

    // Nothing is remembered between clicks: the same command hands over the same call again.
    (commands.*command)();
    QCOMPARE(shell.calls().size(), std::size_t{2});
    QCOMPARE(shell.calls().back(), expected);
}

void HelpCommandsTests::helpFileIsTheFullPathBesideTheRunningProgramEvenWhenMissing() {
    RecordingShell shell;
    HelpCommands commands(shell, HelpCommands::executableFolder(), HelpCommands::defaultHomepage());
    commands.HelpManMenuClick();

    QCOMPARE(shell.calls().size(), std::size_t{1});
    const QString path = shell.calls().front().target;
    QCOMPARE(path, QCoreApplication::applicationDirPath() + "/pomvex.hlp");
    QVERIFY(QFileInfo(path).isAbsolute());
    QVERIFY2(!QFileInfo::exists(path), "the test needs the help file to be missing");
}

void HelpCommandsTests::configuredAddressesAreUsable() {
    // The build hands both addresses in from its cache variables; an empty or malformed one
    // would make the links open nothing.
    const QString home = HelpCommands::defaultHomepage();
    QVERIFY2(home.startsWith("https://") || home.startsWith("http://"), qPrintable(home));
    const QString mail = HelpCommands::authorMailAddress();
    QCOMPARE(mail.count('@'), 1);
    QVERIFY(!mail.startsWith('@') && !mail.endsWith('@') && !mail.contains(' '));
    QVERIFY(!mail.startsWith("mailto:"));
}

QTEST_GUILESS_MAIN(HelpCommandsTests)
#include "HelpCommandsTests.moc"
