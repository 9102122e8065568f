// The real shell's program start: detached, with the parameter text split into arguments and
// no command interpreter in between.
#include "shell/QtShell.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class QtShellTests : public QObject {
    Q_OBJECT

private slots:
    void startedProgramRunsDetachedWithItsArguments();
};

void QtShellTests::startedProgramRunsDetachedWithItsArguments() {
#ifndef Q_OS_UNIX
    QSKIP("the probe program is a shell script");
#endif
    // A folder name with a space and a quote: it would break any command line built as text.
    QTemporaryDir dir(QDir::tempPath() + "/zenoku shell 'probe' XXXXXX");
    QVERIFY(dir.isValid());
    const QString probe = dir.filePath("installer probe.sh");
    const QString go = dir.filePath("go");
    const QString argsFile = dir.filePath("args.txt");

    // The probe writes its arguments only once the test lets it, and gives up after ten
    // seconds. A start that waited for the program would therefore return only after the
    // probe gave up, with the arguments already written.
    QFile script(probe);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "here=\"$(dirname \"$0\")\"\n"
                 "i=0\n"
                 "while [ ! -e \"$here/go\" ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i+1)); done\n"
                 "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$here/args.tmp\"\n"
                 "mv \"$here/args.tmp\" \"$here/args.txt\"\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    zenoku::QtShell shell;
    shell.startProgram(probe, QStringLiteral("QR482716 1"));
    QVERIFY2(!QFile::exists(argsFile), "the start waited for the program to end");

    QFile(go).open(QIODevice::WriteOnly);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(argsFile), 15000);
    QFile args(argsFile);
    QVERIFY(args.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(args.readAll()), QStringLiteral("QR482716\n1\n"));
}

QTEST_GUILESS_MAIN(QtShellTests)
#include "QtShellTests.moc"
