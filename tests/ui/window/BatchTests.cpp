// Batches started from the window: files, progress, status, and the run left on screen.
#include "WindowFixture.h"
#include "WindowTestRegistry.h"
#include "sim/Batch.h"
#include "simfile/SimFile.h"
#include "simfile/TempDir.h"
#include "window/WindowTexts.h"

namespace zenoku::test {

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString path(const TempDir& dir, const char* name) {
    return QString::fromStdString(dir.file(name));
}

} // namespace

class BatchTests : public QObject {
    Q_OBJECT
private slots:
    void batchWritesEveryRunAndLeavesTheViews() {
        TempDir dir;
        WindowFixture w;
        w.run(QStringLiteral("500"), QStringLiteral("2"));
        const auto shownBefore = w.form.shownResults();
        const QString summary = w.summary();
        const auto bonusRows = listRows(w.find<QTreeWidget>("BListView"));
        w.dialogs.fileNames = {path(dir, "before.sim")};
        w.action("FileSaveMenu")->trigger();

        std::vector<int> positions;
        QStringList statuses;
        connect(w.find<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged,
                [&](int v) { positions.push_back(v); });
        connect(w.find<QLabel>("StatusPanel0"), &QLabel::windowIconTextChanged, [] {});
        w.dialogs.fileNames = {path(dir, "test.sim")};
        w.setInputs(QStringLiteral("100"), QStringLiteral("6"), QStringLiteral("3"));
        w.start();

        QCOMPARE(w.dialogs.count(ScriptedDialogs::Kind::Save), 2); // the save, then the batch
        QCOMPARE(positions, (std::vector<int>{33, 66, 100}));
        QCOMPARE(dir.entries(), (std::vector<std::string>{"before.sim", "test6_100_1.sim",
                                                          "test6_100_2.sim", "test6_100_3.sim"}));
        // The runs, as the core plays them after the first one.
        TSlot slot(WindowFixture::kSeed);
        RunSimulation(slot, {500, 2, false});
        PlayHistory h;
        for (const char* name : {"test6_100_1.sim", "test6_100_2.sim", "test6_100_3.sim"}) {
            h = *RunSimulation(slot, {100, 6, false}).history;
            SimFileContents c;
            QCOMPARE(readSimFile(dir.file(name), c), ReadStatus::Ok);
            QCOMPARE(c.variant, SimVariant::Batch);
            QCOMPARE(c.header, (SimHeader{6, 100}));
            QVERIFY2(c.history == h, name);
        }
        QVERIFY(w.form.history() == h);

        QCOMPARE(w.status(), q(texts::kRunDone));
        QVERIFY(w.find<QPushButton>("StartButton")->isEnabled());
        QVERIFY(w.form.shownResults() == shownBefore);
        QCOMPARE(w.summary(), summary);
        QCOMPARE(listRows(w.find<QTreeWidget>("BListView")), bonusRows);
        QCOMPARE(w.find<QTableView>("ResultListView")->model()->rowCount(),
                 int(shownBefore->history->size()));

        // Saving now writes the run on screen, with the header it was shown with.
        w.dialogs.fileNames = {path(dir, "after.sim")};
        w.action("FileSaveMenu")->trigger();
        QCOMPARE(w.status(), q(texts::kSaved));
        QCOMPARE(readBytes(dir.file("after.sim")), readBytes(dir.file("before.sim")));
    }

    void batchStatusNamesTheFileBeingWritten() {
        TempDir dir;
        WindowFixture w;
        QStringList seen;
        // The status of run i is on screen at the event pass of run i + 1.
        w.dialogs.fileNames = {path(dir, "s.sim")};
        w.setInputs(QStringLiteral("50"), QStringLiteral("3"), QStringLiteral("2"));
        w.atNextEventPass([&] { seen << w.status(); });
        w.start();
        QCOMPARE(seen, QStringList{q(texts::kRunning)});
        seen.clear();
        w.dialogs.fileNames = {path(dir, "s.sim")};
        w.atNextEventPass([&] { w.atNextEventPass([&] { seen << w.status(); }); });
        w.start();
        QCOMPARE(seen, QStringList{q(texts::kSaving) + path(dir, "s3_50_1.sim")});
    }

    void batchReadsItsInputsOnce() {
        TempDir dir;
        WindowFixture w;
        w.dialogs.fileNames = {path(dir, "a.sim")};
        w.setInputs(QStringLiteral("100"), QStringLiteral("6"), QStringLiteral("2"));
        // Edits made while the batch runs reach neither of its runs.
        w.atNextEventPass([&] {
            w.setInputs(QStringLiteral("50"), QStringLiteral("2"), QStringLiteral("5"), true);
        });
        w.start();
        QCOMPARE(dir.entries(), (std::vector<std::string>{"a6_100_1.sim", "a6_100_2.sim"}));
        QCOMPARE(w.status(), q(texts::kRunDone));
    }

    void cancelledNameEndsTheBatchBeforeAnyRun() {
        WindowFixture w;
        w.setStatus(QStringLiteral("前の表示"));
        w.setInputs(QStringLiteral("100"), QStringLiteral("6"), QStringLiteral("2"));
        w.start();
        QCOMPARE(w.dialogs.count(ScriptedDialogs::Kind::Save), 1);
        QCOMPARE(w.status(), QString());
        QVERIFY(w.find<QPushButton>("StartButton")->isEnabled());
        QCOMPARE(w.form.slot().TotalPlays, 0);
        QCOMPARE(w.form.slot().GetFlevel(), 1);
        QVERIFY(w.form.history().empty());
        QCOMPARE(w.find<QProgressBar>("ProgressBar1")->value(), 0);
    }

    void unwritableNameEndsTheBatchWithItsFailureText() {
        TempDir dir;
        WindowFixture w;
        w.dialogs.fileNames = {path(dir, "none/a.sim")};
        w.setInputs(QStringLiteral("100"), QStringLiteral("6"), QStringLiteral("3"));
        w.start();
        QCOMPARE(w.status(), q(texts::kBatchFailed));
        QVERIFY(w.find<QPushButton>("StartButton")->isEnabled());
        QCOMPARE(dir.entries(), std::vector<std::string>{});
        QCOMPARE(w.form.slot().TotalPlays, 100); // the first run was played, then it stopped
        QCOMPARE(w.dialogs.count(ScriptedDialogs::Kind::Error), 0);
    }

    void commandsWaitWhileABatchIsInProgress() {
        TempDir dir;
        WindowFixture w;
        w.run(QStringLiteral("100"), QStringLiteral("1"));
        w.dialogs.fileNames = {path(dir, "b.sim"), path(dir, "x.sim"), path(dir, "y.sim")};
        w.setInputs(QStringLiteral("100"), QStringLiteral("6"), QStringLiteral("2"));
        w.chooseFileCommandsAtNextEventPass();
        w.start();
        QCOMPARE(w.dialogs.calls.size(), std::size_t{1}); // the batch's own name
        QCOMPARE(w.form.slot().GetFlevel(), 6);
        QCOMPARE(dir.entries(), (std::vector<std::string>{"b6_100_1.sim", "b6_100_2.sim"}));
        int normal = 0;
        for (const PlayRecord& r : w.form.history())
            normal += r.isNormalGame() ? 1 : 0;
        QCOMPARE(normal, 100);
    }
};

ZENOKU_WINDOW_TEST(BatchTests);

} // namespace zenoku::test

#include "BatchTests.moc"
