// The start command: input checks, a single run shown, the hidden level, and commands that
// must wait while a run is in progress.
#include "WindowFixture.h"
#include "WindowTestRegistry.h"
#include "sim/StartInputs.h"
#include "window/WindowTexts.h"

#include <QScrollBar>
#include <QTabWidget>

namespace zenoku::test {

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

int normalGames(const PlayHistory& h) {
    int n = 0;
    for (const PlayRecord& r : h)
        n += r.isNormalGame() ? 1 : 0;
    return n;
}

} // namespace

class StartTests : public QObject {
    Q_OBJECT
private slots:
    void refusedInputChangesNothing_data() {
        QTest::addColumn<QString>("plays");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("runs");
        QTest::addColumn<bool>("conversion"); // the toolkit's box rather than the error dialog
        QTest::addColumn<QString>("message");
        const QString one = QStringLiteral("1");
        const QString playsMsg = q(texts::kPlaysBelowOne), runsMsg = q(texts::kRunsBelowOne);
        QTest::newRow("plays 0") << "0" << one << one << false << playsMsg;
        QTest::newRow("plays -5") << "-5" << one << one << false << playsMsg;
        QTest::newRow("plays abc") << "abc" << one << one << true << "'abc' は整数ではありません";
        QTest::newRow("plays empty") << "" << one << one << true << "'' は整数ではありません";
        QTest::newRow("plays 1.5") << "1.5" << one << one << true << "'1.5' は整数ではありません";
        QTest::newRow("runs 0") << one << one << "0" << false << runsMsg;
        QTest::newRow("runs x") << one << one << "x" << true << "'x' は整数ではありません";
        // Sim回数 is not looked at when Play数 is refused.
        QTest::newRow("plays 0, runs x") << "0" << one << "x" << false << playsMsg;
        // The level is checked with the other inputs, before the button is disabled.
        QTest::newRow("level 7") << one << "7" << one << false << q(texts::kLevelOutOfRange);
        QTest::newRow("level 0") << one << "0"
                                 << "2" << false << q(texts::kLevelOutOfRange);
        QTest::newRow("level abc") << one << "abc" << one << true << "'abc' は整数ではありません";
        QTest::newRow("level empty") << one << "" << one << true << "'' は整数ではありません";
        // The written forms of an integer: spaces around, a sign, ASCII digits, 32 bits.
        QTest::newRow("plays space") << " " << one << one << true << "' ' は整数ではありません";
        QTest::newRow("plays -0") << "-0" << one << one << false << playsMsg;
        QTest::newRow("plays 2147483647: more than memory holds")
            << "2147483647" << one << one << false << q(texts::kPlaysTooLarge);
        QTest::newRow("plays 2147483648")
            << "2147483648" << one << one << true << "'2147483648' は整数ではありません";
        QTest::newRow("plays 99999999999")
            << "99999999999" << one << one << true << "'99999999999' は整数ではありません";
        QTest::newRow("plays full-width 10")
            << "１０" << one << one << true << "'１０' は整数ではありません";
        QTest::newRow("plays inner space")
            << "1 0" << one << one << true << "'1 0' は整数ではありません";
        QTest::newRow("runs 2147483648")
            << one << one << "2147483648" << true << "'2147483648' は整数ではありません";
        QTest::newRow("runs -0") << one << one << "-0" << false << runsMsg;
        QTest::newRow("level '? '") << one << "? " << one << true << "'? ' は整数ではありません";
        QTest::newRow("level full-width 1")
            << one << "１" << one << true << "'１' は整数ではありません";
        QTest::newRow("level 1.5") << one << "1.5" << one << true << "'1.5' は整数ではありません";
    }
    void acceptedWrittenFormsStartARun_data() {
        QTest::addColumn<QString>("plays");
        QTest::addColumn<QString>("level");
        QTest::addColumn<std::int32_t>("played");
        QTest::addColumn<std::int32_t>("flevel");
        QTest::newRow("plus sign") << "+3"
                                   << "2" << 3 << 2;
        QTest::newRow("spaces around") << " 12 "
                                       << " 5 " << 12 << 5;
        QTest::newRow("leading zeros") << "007"
                                       << "+6" << 7 << 6;
    }
    void acceptedWrittenFormsStartARun() {
        QFETCH(QString, plays);
        QFETCH(QString, level);
        QFETCH(std::int32_t, played);
        QFETCH(std::int32_t, flevel);
        WindowFixture w;
        w.run(plays, level);
        QVERIFY(w.dialogs.calls.empty());
        QCOMPARE(w.form.history().back().TotalPlays, played);
        QCOMPARE(w.form.slot().GetFlevel(), flevel);
        QVERIFY(w.action("FileSaveMenu")->isEnabled());
    }
    void refusedInputChangesNothing() {
        QFETCH(QString, plays);
        QFETCH(QString, level);
        QFETCH(QString, runs);
        QFETCH(bool, conversion);
        QFETCH(QString, message);
        WindowFixture w;
        const QString before = QStringLiteral("前の表示");
        w.setStatus(before);
        w.setInputs(plays, level, runs);
        w.start();

        QCOMPARE(w.dialogs.calls.size(), std::size_t{1});
        const auto& shown = w.dialogs.calls.front();
        QCOMPARE(shown.kind,
                 conversion ? ScriptedDialogs::Kind::ToolkitError : ScriptedDialogs::Kind::Error);
        QCOMPARE(shown.text, message);
        // A conversion failure leaves the status text; a value out of range empties it.
        QCOMPARE(w.status(), conversion ? before : QString());
        QVERIFY(w.find<QPushButton>("StartButton")->isEnabled());
        QVERIFY(w.form.history().empty());
        // Refused before any of the history's storage was taken, however large the Play数.
        QCOMPARE(w.form.history().capacity(), std::size_t{0});
        QCOMPARE(w.form.slot().GetFlevel(), 1);
        QCOMPARE(w.form.slot().TotalPlays, 0);
        QVERIFY(!w.action("FileSaveMenu")->isEnabled());
        QCOMPARE(w.find<QLabel>("Label3")->text(), QString());
        QCOMPARE(w.find<QComboBox>("FlevelComboBox")->currentText(), level);
    }

    void singleRunShowsWhatTheCoreComputes() {
        WindowFixture w;
        std::vector<int> positions;
        connect(w.find<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged,
                [&](int v) { positions.push_back(v); });
        w.run(QStringLiteral("8000"), QStringLiteral("6"));

        const CoreRun core = coreRun({{8000, 6, false}});
        QVERIFY(w.form.history() == *core.history);
        QCOMPARE(w.summary(), QString::fromStdString(core.results.summary));
        QVERIFY(w.summary().startsWith(QStringLiteral("BIG回数:")));
        QCOMPARE(w.status(), q(texts::kRunDone));
        QVERIFY(w.find<QPushButton>("StartButton")->isEnabled());
        QVERIFY(w.action("FileSaveMenu")->isEnabled());
        QCOMPARE(w.find<QLabel>("Label3")->text(), QString());

        // The bar passes through the core's positions and ends at 100.
        std::vector<int> expected;
        for (const ProgressStep& s : core.results.progress)
            if (s.position != 0) expected.push_back(s.position);
        QCOMPARE(positions, expected);
        QCOMPARE(w.find<QProgressBar>("ProgressBar1")->value(), 100);

        // Per-game list: one row per entry, texts from the core.
        const QAbstractItemModel* games = w.find<QTableView>("ResultListView")->model();
        const std::size_t entries = core.history->size();
        QCOMPARE(std::size_t(games->rowCount()), entries);
        std::size_t bonusGame = 0;
        while (bonusGame < entries && (*core.history)[bonusGame].isNormalGame())
            ++bonusGame;
        QVERIFY(bonusGame < entries);
        for (std::size_t k : {std::size_t{0}, bonusGame, entries - 1})
            for (int c = 0; c < 7; ++c)
                QCOMPARE(games->index(int(k), c).data().toString(),
                         QString::fromStdString(core.results.gameList.text(k, c)));
        QCOMPARE(games->index(int(bonusGame), 0).data().toString(), QStringLiteral("-"));

        QCOMPARE(listRows(w.find<QTreeWidget>("BListView")), textRows(core.results.bonusRows));
        QCOMPARE(listRows(w.find<QTreeWidget>("KoyakuListView")), textRows(core.results.roleRows));
        QCOMPARE(listRows(w.find<QTreeWidget>("RTCancelListView")),
                 textRows(core.results.triggerRows));
        QVERIFY(!core.results.bonusRows.empty());
    }

    void secondRunReplacesTheFirst() {
        WindowFixture w;
        w.run(QStringLiteral("3000"), QStringLiteral("2"));
        const auto first = w.form.shownResults();
        w.run(QStringLiteral("500"), QStringLiteral("5"));
        const CoreRun core = coreRun({{3000, 2, false}, {500, 5, false}});
        QVERIFY(w.form.history() == *core.history);
        QCOMPARE(w.summary(), QString::fromStdString(core.results.summary));
        QCOMPARE(w.find<QTableView>("ResultListView")->model()->rowCount(),
                 int(core.history->size()));
        QCOMPARE(listRows(w.find<QTreeWidget>("BListView")), textRows(core.results.bonusRows));
        // The first run's results were left alone while the second one played.
        QCOMPARE(first->history->back().TotalPlays, 3000);
    }

    void hiddenLevelIsRevealedOnRequest() {
        WindowFixture w;
        w.run(QStringLiteral("200"), QStringLiteral("?"));
        const CoreRun core = coreRun({{200, kHiddenLevel, false}});
        QCOMPARE(w.find<QLabel>("Label3")->text(), QString::fromUtf8(texts::kHiddenLevelNotice));
        auto* level = w.find<QComboBox>("FlevelComboBox");
        QCOMPARE(level->currentText(), QStringLiteral("?"));
        // The notice grows to the left from a fixed right edge.
        QCOMPARE(w.find<QLabel>("Label3")->geometry().right(), 148);

        QTest::mouseClick(w.find<QPushButton>("FlevelButton"), Qt::LeftButton);
        QCOMPARE(level->currentText(), QString::number(core.played.header.level));
        QCOMPARE(w.find<QLabel>("Label3")->text(), QString::fromUtf8(texts::kHiddenLevelNotice));

        // The next start plays the revealed level, and the notice goes.
        w.start();
        QCOMPARE(w.form.slot().GetFlevel(), core.played.header.level);
        QCOMPARE(w.find<QLabel>("Label3")->text(), QString());
    }

    void bonusListScrollsAsRowsComplete() {
        // Few bonuses: every row fits and the list stays at the top. Many: it has scrolled
        // down, by at most the fixed step per completed row.
        WindowFixture w;
        w.form.show();
        w.find<QTabWidget>("PageControl1")->setCurrentIndex(1);
        auto* list = w.find<QTreeWidget>("BListView");
        w.run(QStringLiteral("800"), QStringLiteral("6"));
        QVERIFY(list->topLevelItemCount() < 5);
        QCOMPARE(list->verticalScrollBar()->value(), 0);

        w.run(QStringLiteral("30000"), QStringLiteral("6"));
        int completed = 0;
        for (const auto& row : listRows(list))
            completed += row.size() == 5 && !row[4].isEmpty() ? 1 : 0;
        QVERIFY(completed > 20);
        const int value = list->verticalScrollBar()->value();
        QVERIFY2(value > 0 && value <= 10 * completed, qPrintable(QString::number(value)));
        QVERIFY(value < list->verticalScrollBar()->maximum());
    }

    void bonusListOnAHiddenTabScrollsWhenShown() {
        WindowFixture w;
        w.form.show();
        w.run(QStringLiteral("30000"), QStringLiteral("6"));
        w.find<QTabWidget>("PageControl1")->setCurrentIndex(1);
        QTRY_VERIFY(w.find<QTreeWidget>("BListView")->verticalScrollBar()->value() > 0);
    }

    void commandsWaitWhileARunIsInProgress() {
        WindowFixture w;
        w.run(QStringLiteral("100"), QStringLiteral("3"));
        w.dialogs.fileNames = {QStringLiteral("/nonexistent/a.sim"),
                               QStringLiteral("/nonexistent/b.sim")};
        // 開く, 保存 and 開始 chosen at the one event pass the run makes before its games.
        bool buttonEnabled = true;
        QString status;
        w.atNextEventPass([&] {
            buttonEnabled = w.find<QPushButton>("StartButton")->isEnabled();
            status = w.status();
        });
        w.chooseFileCommandsAtNextEventPass();
        w.run(QStringLiteral("2000"), QStringLiteral("4"));
        QVERIFY(!buttonEnabled);
        QCOMPARE(status, q(texts::kRunning));

        QCOMPARE(w.dialogs.calls.size(), std::size_t{0});
        QCOMPARE(w.form.slot().GetFlevel(), 4);
        QCOMPARE(normalGames(w.form.history()), 2000);
        const CoreRun core = coreRun({{100, 3, false}, {2000, 4, false}});
        QVERIFY(w.form.history() == *core.history);
        QCOMPARE(w.summary(), QString::fromStdString(core.results.summary));
        // Once idle, the commands work again.
        w.action("FileOpenMenu")->trigger();
        QCOMPARE(w.dialogs.count(ScriptedDialogs::Kind::Open), 1);
    }

    void stockClearTakesEffect() {
        // Without clearing, a run may begin with the stock the last run left; with it, the
        // first game sees at most what that game itself stocked.
        WindowFixture w;
        w.run(QStringLiteral("5000"), QStringLiteral("1"));
        const PlayRecord last = w.form.history().back();
        QVERIFY(last.BigStock + last.RegStock > 0); // something to clear
        w.setInputs(QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("1"), true);
        w.start();
        const PlayRecord first = w.form.history()[0];
        QVERIFY(first.BigStock + first.RegStock <= 1);
        const CoreRun core = coreRun({{5000, 1, false}, {10, 1, true}});
        QVERIFY(w.form.history() == *core.history);
    }
};

ZENOKU_WINDOW_TEST(StartTests);

} // namespace zenoku::test

#include "StartTests.moc"
