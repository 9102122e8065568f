// Save and open: the round trip, wrong and unreadable files, and saves that fail.
#include "WindowFixture.h"
#include "WindowTestRegistry.h"
#include "sim/Batch.h"
#include "simfile/FaultyFileLayer.h"
#include "simfile/SimFile.h"
#include "simfile/TempDir.h"
#include "window/WindowTexts.h"

namespace zenoku::test {

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

/// Everything a run shows, to check that nothing on screen changed.
struct Shown {
    QString summary;
    int gameRows;
    std::vector<std::vector<QString>> bonusRows, roleRows, triggerRows;
    QString firstGameRow;
    bool operator==(const Shown&) const = default;
};

Shown shown(const WindowFixture& w) {
    const QAbstractItemModel* games = w.find<QTableView>("ResultListView")->model();
    QString first;
    for (int c = 0; c < games->columnCount(); ++c)
        first += games->index(0, c).data().toString() + QLatin1Char('|');
    return {w.summary(),
            games->rowCount(),
            listRows(w.find<QTreeWidget>("BListView")),
            listRows(w.find<QTreeWidget>("KoyakuListView")),
            listRows(w.find<QTreeWidget>("RTCancelListView")),
            first};
}

QString path(const TempDir& dir, const char* name) {
    return QString::fromStdString(dir.file(name));
}

} // namespace

class FileTests : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpenShowsTheSameRun() {
        TempDir dir;
        WindowFixture w;
        w.run(QStringLiteral("300"), QStringLiteral("4"));
        const Shown before = shown(w);
        const std::size_t entries = w.form.history().size();

        w.dialogs.fileNames = {path(dir, "run.sim")};
        w.action("FileSaveMenu")->trigger();
        QCOMPARE(w.status(), q(texts::kSaved));
        const auto bytes = readBytes(dir.file("run.sim"));
        QCOMPARE(bytes.size(), 12 + 36 * entries);
        QCOMPARE(wordAt(bytes, 0), 11);
        QCOMPARE(wordAt(bytes, 4), 4);
        QCOMPARE(wordAt(bytes, 8), 300);

        // Something else on screen, other inputs, then the file again.
        w.run(QStringLiteral("50"), QStringLiteral("2"));
        QVERIFY(!(shown(w) == before));
        w.dialogs.fileNames = {path(dir, "run.sim")};
        w.action("FileOpenMenu")->trigger();

        QCOMPARE(shown(w), before);
        QCOMPARE(w.find<QComboBox>("FlevelComboBox")->currentText(), QStringLiteral("4"));
        QCOMPARE(w.find<QLineEdit>("PlayNumEdit")->text(), QStringLiteral("300"));
        QCOMPARE(w.status(), QString::fromUtf8(texts::kLoaded));
        QVERIFY(w.find<QPushButton>("StartButton")->isEnabled());
        QCOMPARE(w.find<QProgressBar>("ProgressBar1")->value(), 100);
        QCOMPARE(w.form.history().size(), entries);
        // Opening changes nothing in the machine: 設定確認 shows the level last played.
        QCOMPARE(w.form.slot().GetFlevel(), 2);
        QTest::mouseClick(w.find<QPushButton>("FlevelButton"), Qt::LeftButton);
        QCOMPARE(w.find<QComboBox>("FlevelComboBox")->currentText(), QStringLiteral("2"));
    }

    void fileOpenedAtStartIsSavedWithTheMachinesHeader() {
        TempDir dir;
        const CoreRun core = coreRun({{120, 5, false}});
        QCOMPARE(writeSimFile(dir.file("in.sim"), SimVariant::Saved, {5, 120}, *core.history),
                 WriteStatus::Ok);
        WindowFixture w;
        w.dialogs.fileNames = {path(dir, "in.sim"), path(dir, "out.sim")};
        w.action("FileOpenMenu")->trigger();
        QVERIFY(w.action("FileSaveMenu")->isEnabled());
        w.action("FileSaveMenu")->trigger();
        const auto bytes = readBytes(dir.file("out.sim"));
        QCOMPARE(wordAt(bytes, 4), 1); // no run played yet: level 1, play count 0
        QCOMPARE(wordAt(bytes, 8), 0);
        QCOMPARE(bytes.size(), 12 + 36 * core.history->size());
    }

    void batchFileOpensUnshifted() {
        TempDir dir;
        const CoreRun core = coreRun({{150, 3, false}});
        QCOMPARE(writeSimFile(dir.file("b.sim"), SimVariant::Batch, {3, 150}, *core.history),
                 WriteStatus::Ok);
        WindowFixture w;
        w.dialogs.fileNames = {path(dir, "b.sim")};
        w.action("FileOpenMenu")->trigger();
        QVERIFY(w.form.history() == *core.history);
        QCOMPARE(w.summary(), QString::fromStdString(core.results.summary));
    }

    void failedOpenLeavesEverythingAsItWas_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("stopped"); // "読み込み中断" rather than the old status
        const QString notSim = QString::fromUtf8(texts::kNotSimFile);
        QTest::newRow("text file") << QByteArray("hello, world\n") << true << notSim << true;
        QTest::newRow("empty file") << QByteArray() << true << notSim << true;
        QTest::newRow("wrong mark")
            << QByteArray("\x0C\0\0\0\1\0\0\0\1\0\0\0", 12) << true << notSim << true;
        QTest::newRow("header only") << QByteArray("\x0B\0\0\0\4\0\0\0\x2C\1\0\0", 12) << true
                                     << QString::fromUtf8(texts::kNoRecords) << true;
        QTest::newRow("missing") << QByteArray() << false << QString::fromUtf8(texts::kCannotOpen)
                                 << false;
    }
    void failedOpenLeavesEverythingAsItWas() {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(QString, message);
        QFETCH(bool, stopped);
        TempDir dir;
        if (exists) writeBytes(dir.file("bad.sim"), {content.begin(), content.end()});
        WindowFixture w;
        w.run(QStringLiteral("400"), QStringLiteral("6"));
        w.dialogs.fileNames = {path(dir, "before.sim")};
        w.action("FileSaveMenu")->trigger();
        const Shown before = shown(w);
        const PlayHistory history = w.form.history();
        const auto results = w.form.shownResults();
        const QString status = QStringLiteral("前の表示");
        w.setStatus(status);

        w.dialogs.calls.clear();
        w.dialogs.fileNames = {path(dir, "bad.sim")};
        // A start chosen while the error dialog is up must not run.
        w.dialogs.whileShown = [&] { w.action("FileStartMenu")->trigger(); };
        w.action("FileOpenMenu")->trigger();
        w.dialogs.whileShown = nullptr;

        QCOMPARE(w.dialogs.count(ScriptedDialogs::Kind::Error), 1);
        QVERIFY2(w.dialogs.calls.back().text.startsWith(message),
                 qPrintable(w.dialogs.calls.back().text));
        QCOMPARE(w.status(), stopped ? QString::fromUtf8(texts::kLoadStopped) : status);
        QVERIFY(w.find<QPushButton>("StartButton")->isEnabled());
        QVERIFY(w.form.history() == history);
        QVERIFY(w.form.shownResults() == results);
        QCOMPARE(shown(w), before);
        QCOMPARE(w.find<QComboBox>("FlevelComboBox")->currentText(), QStringLiteral("6"));

        // A later save still writes the run on screen.
        w.dialogs.fileNames = {path(dir, "after.sim")};
        w.action("FileSaveMenu")->trigger();
        QCOMPARE(readBytes(dir.file("after.sim")), readBytes(dir.file("before.sim")));
    }

    void failedSaveReportsAndKeepsTheFile_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("inMissingFolder");
        QTest::addColumn<QString>("message");
        using F = FaultyFileLayer::Fault;
        QTest::newRow("no such folder")
            << int(F::None) << true << QString::fromUtf8(texts::kCannotCreate);
        QTest::newRow("cannot create")
            << int(F::Create) << false << QString::fromUtf8(texts::kCannotCreate);
        QTest::newRow("disk full")
            << int(F::WriteAfterBytes) << false << QString::fromUtf8(texts::kWriteFailed);
        QTest::newRow("commit fails")
            << int(F::Commit) << false << QString::fromUtf8(texts::kWriteFailed);
    }
    void failedSaveReportsAndKeepsTheFile() {
        QFETCH(int, fault);
        QFETCH(bool, inMissingFolder);
        QFETCH(QString, message);
        TempDir dir;
        FaultyFileLayer files(FaultyFileLayer::Fault(fault), 100);
        WindowFixture w(files);
        w.run(QStringLiteral("300"), QStringLiteral("1"));
        const std::vector<unsigned char> old{'o', 'l', 'd'};
        writeBytes(dir.file("run.sim"), old);
        const QString status = QStringLiteral("前の表示");
        w.setStatus(status);

        w.dialogs.fileNames = {inMissingFolder ? path(dir, "none/run.sim") : path(dir, "run.sim")};
        w.action("FileSaveMenu")->trigger();

        QCOMPARE(w.dialogs.count(ScriptedDialogs::Kind::Error), 1);
        QVERIFY(w.dialogs.calls.back().text.startsWith(message));
        QCOMPARE(w.status(), status);
        QCOMPARE(readBytes(dir.file("run.sim")), old);
        QCOMPARE(dir.entries(), std::vector<std::string>{"run.sim"});
    }

    void cancelledPickersDoNothing() {
        WindowFixture w;
        w.run(QStringLiteral("100"), QStringLiteral("2"));
        const Shown before = shown(w);
        w.setStatus(QStringLiteral("前の表示"));
        w.action("FileOpenMenu")->trigger();
        w.action("FileSaveMenu")->trigger();
        QCOMPARE(w.dialogs.count(ScriptedDialogs::Kind::Open), 1);
        QCOMPARE(w.dialogs.count(ScriptedDialogs::Kind::Save), 1);
        QCOMPARE(w.dialogs.calls.size(), std::size_t{2});
        QCOMPARE(w.status(), QStringLiteral("前の表示"));
        QCOMPARE(shown(w), before);
    }
};

ZENOKU_WINDOW_TEST(FileTests);

} // namespace zenoku::test

#include "FileTests.moc"
