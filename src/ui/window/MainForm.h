#pragma once

#include "history/PlayHistory.h"
#include "machine/Slot.h"
#include "results/Results.h"
#include "sim/StartInputs.h"
#include "simfile/FileLayer.h"
#include "simfile/SimFile.h"

#include <QMainWindow>
#include <cstdint>
#include <memory>

class QCheckBox;
class QLabel;
class QTimer;
class QTreeWidget;

namespace Ui {
class MainForm;
}

namespace zenoku {

class Dialogs;
class GameListModel;
class HelpCommands;
class TAboutBox;

/// The main window: the inputs of a run, the start command, the results of the shown run,
/// the ".sim" file commands and the status bar with its clock. It owns the machine and the
/// play history for the life of the program. Its handlers only read inputs, call the core
/// and hand the core's texts to widgets.
class TMainForm final : public QMainWindow {
    Q_OBJECT
public:
    /// Builds the window with its controls in their initial state and a machine whose random
    /// source is seeded once with `seed`. Dialogs and file pickers go through `dialogs`;
    /// ".sim" files are written through `files`. Both must outlive the window.
    TMainForm(Dialogs& dialogs, std::uint32_t seed, FileLayer& files = realFileLayer(),
              QWidget* parent = nullptr);
    ~TMainForm() override;

    /// The results on screen, null until a run or a file has been shown. The charts are
    /// filled from them.
    std::shared_ptr<const Results> shownResults() const { return m_shown; }
    /// The header a save writes: the machine's level and play count when the shown run was
    /// shown.
    SimHeader shownHeader() const { return m_shownHeader; }
    /// The history the last run, batch run or opened file filled (empty before any).
    const PlayHistory& history() const;
    const TSlot& slot() const { return *m_slot; }
    /// Text of status-bar panel 0 (messages) or 1 (the clock).
    QString statusText(int panel) const;
    /// Gives the help menu its commands and the about box it shows; both must outlive the
    /// window. Until then the help items do nothing.
    void setHelp(HelpCommands& commands, TAboutBox& aboutBox);

public slots:
    /// 開始(&G): checks the inputs, then plays one run and shows it, or plays a batch.
    void FileStartMenuClick();
    /// The 開始 button: the same as 開始(&G).
    void StartButtonClic();
    /// 設定確認: puts the machine's level into the level box.
    void FlevelButtonClick();
    /// 開く(&O): reads a ".sim" file and shows it.
    void FileOpenMenuClick();
    /// 保存(&S): writes the shown run to a ".sim" file.
    void FileSaveMenuClick();
    /// 終了(&X): closes the window, which ends the program.
    void FileExitMenuClick();
    /// Writes the local date and time into status panel 1.
    void Timer1Timer();
    /// バージョン情報(&A): shows the about box modally.
    void HelpAboutMenuClick();
    /// 取扱説明書(&C): opens the help file beside the program.
    void HelpManMenuClick();
    /// JWordのインストール: starts the toolbar installer beside the program.
    void JWord1Click();
    /// ホームページ: opens the homepage.
    void N3Click();
    /// 広告: opens the advertisement page.
    void N4Click();

    /// Handlers of the eight role check boxes: each shows its marker series on the slump graph
    /// while ticked and hides it otherwise; the points stay as they are.
    void BIGCheckBoxClick();
    void REGCheckBoxClick();
    void BellCheckBoxClick();
    void OrangeCheckBoxClick();
    void Cherry2CheckBoxClick();
    void Cherry4CheckBoxClick();
    void RReplayCheckBoxClick();
    void HazureCheckBoxClick();

signals:
    /// A run or a file has just been shown; `shownResults()` holds what is on screen.
    void resultsShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// Hands the results of `history` to the widgets; a save then writes `header`. False, with
    /// nothing changed, when the history cannot be shown.
    bool ShowResults(std::shared_ptr<const PlayHistory> history, SimHeader header);
    void runSingle(const StartInputs& inputs);
    /// True when every run of the batch was written.
    bool runBatch(const StartInputs& inputs);
    /// Memory the next run can record into: the last run's, unless it is still on screen.
    PlayHistory takeStorage();

    void showMarker(Marker marker, const QCheckBox* box);
    void setStatus(const QString& text);
    void setHiddenLevelNotice(bool hidden);
    void setResultText(const QString& text);
    void fillBonusList(const std::vector<TextRow>& rows);
    void applyBonusScroll();

    std::unique_ptr<Ui::MainForm> m_ui;
    Dialogs& m_dialogs;
    FileLayer& m_files;
    HelpCommands* m_help = nullptr;
    TAboutBox* m_aboutBox = nullptr;
    std::unique_ptr<TSlot> m_slot;
    /// The last run played, the last run of a batch or the file last opened.
    std::shared_ptr<const PlayHistory> m_history;
    /// Level and play count of the last run played: what a save writes for an opened file.
    SimHeader m_playedHeader;
    std::shared_ptr<const Results> m_shown;
    SimHeader m_shownHeader;
    GameListModel* m_gameList = nullptr;
    QLabel* m_statusPanels[2] = {nullptr, nullptr};
    QTimer* m_clock = nullptr;
    /// A run, batch, open or save is in progress: the file commands and Start do nothing.
    bool m_busy = false;
    bool m_centred = false;
    /// Where the bonus list is to stand once it is laid out (pixels from the top), or -1.
    int m_bonusScroll = -1;
};

} // namespace zenoku
