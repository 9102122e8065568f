#pragma once

#include "ScriptedDialogs.h"
#include "results/Results.h"
#include "sim/Run.h"
#include "window/MainForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <utility>
#include <vector>

namespace zenoku::test {

/// A main window with scripted dialogs and a fixed seed, and short-hands for its controls.
struct WindowFixture {
    static constexpr std::uint32_t kSeed = 20240611;

    explicit WindowFixture(FileLayer& files = realFileLayer()) : form(dialogs, kSeed, files) {}

    template <class T = QWidget> T* find(const char* name) const {
        T* w = form.findChild<T*>(QString::fromLatin1(name));
        if (w == nullptr) qFatal("no control named %s", name);
        return w;
    }
    QAction* action(const char* name) const { return find<QAction>(name); }

    void setInputs(const QString& plays, const QString& level, const QString& runs,
                   bool clearStock = false) {
        find<QLineEdit>("PlayNumEdit")->setText(plays);
        find<QComboBox>("FlevelComboBox")->setCurrentText(level);
        find<QLineEdit>("SimNumEdit")->setText(runs);
        find<QCheckBox>("StockCheckBox")->setChecked(clearStock);
    }
    /// Presses the 開始 button.
    void start() { QTest::mouseClick(find<QPushButton>("StartButton"), Qt::LeftButton); }
    void run(const QString& plays, const QString& level) {
        setInputs(plays, level, QStringLiteral("1"));
        start();
    }

    /// Makes `f` run at the next pass of the event loop, which a run makes before its games.
    template <class F> void atNextEventPass(F f) {
        QMetaObject::invokeMethod(&form, std::move(f), Qt::QueuedConnection);
    }
    /// Chooses 開く, 保存 and 開始 at the next event pass, the start with another level, so
    /// that a start which got through would show in the machine and the history.
    void chooseFileCommandsAtNextEventPass() {
        atNextEventPass([this] {
            find<QComboBox>("FlevelComboBox")->setCurrentText(QStringLiteral("2"));
            for (const char* name : {"FileOpenMenu", "FileSaveMenu", "FileStartMenu"})
                action(name)->trigger();
        });
    }

    QString status() const { return form.statusText(0); }
    void setStatus(const QString& text) { find<QLabel>("StatusPanel0")->setText(text); }
    QString summary() const { return find<QLabel>("ResultLabel")->text(); }

    ScriptedDialogs dialogs;
    TMainForm form;
};

/// The rows of a report list, each as its cells.
inline std::vector<std::vector<QString>> listRows(const QTreeWidget* list) {
    std::vector<std::vector<QString>> rows;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* item = list->topLevelItem(r);
        std::vector<QString> cells;
        for (int c = 0; c < item->columnCount(); ++c)
            cells.push_back(item->text(c));
        rows.push_back(std::move(cells));
    }
    return rows;
}

inline std::vector<std::vector<QString>> textRows(const std::vector<TextRow>& rows) {
    std::vector<std::vector<QString>> out;
    for (const TextRow& row : rows) {
        std::vector<QString> cells;
        for (const std::string& cell : row)
            cells.push_back(QString::fromStdString(cell));
        out.push_back(std::move(cells));
    }
    return out;
}

/// The same run played by the core alone, on a machine seeded like the window's.
struct CoreRun {
    std::shared_ptr<const PlayHistory> history;
    PlayedRun played;
    Results results;
};

/// Plays the given runs one after another on one machine and returns the last, with what
/// the core shows for it.
inline CoreRun coreRun(const std::vector<RunRequest>& requests,
                       std::uint32_t seed = WindowFixture::kSeed) {
    TSlot slot(seed);
    CoreRun run;
    for (const RunRequest& r : requests)
        run.played = RunSimulation(slot, r);
    run.history = run.played.history;
    run.results = *buildResults(run.history);
    return run;
}

} // namespace zenoku::test
