#pragma once

#include "history/PlayHistory.h"
#include "results/RunStatistics.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zenoku {

/// Column captions of the four result lists, left to right.
/// Columns of the per-game list.
inline constexpr std::size_t kGameListColumns = 7;
inline constexpr std::array<std::string_view, kGameListColumns> kGameListCaptions{
    "PLAY数", "PLAY数2", "確定役", "メダル数", "RT解除状態", "BIG Stock", "REG Stock"};
inline constexpr std::array<std::string_view, 5> kBonusListCaptions{"PLAY数", "PLAY数2", "確定役",
                                                                    "RT解除契機", "獲得メダル"};
inline constexpr std::array<std::string_view, 4> kRoleListCaptions{"絵柄", "出現回数", "出現率",
                                                                   "出現率(1/X)"};
inline constexpr std::array<std::string_view, 3> kTriggerListCaptions{"種別", "解除回数", "割合"};

/// One row of a list: its caption cell first, then the sub-item cells.
using TextRow = std::vector<std::string>;

/// Captions of the four RT-trigger rows (triggers 1..4).
inline constexpr std::array<std::string_view, kTriggerCount> kTriggerRowCaptions{
    "規定RT消化", "レアリプレイ解除", "純ハズレ解除", "リプ3連"};

/// The RT cell of the per-game list: "RT解除[<name>]" for a non-zero trigger (so "RT解除[]"
/// for a code outside 1..4), the empty text for 0.
std::string rtText(std::int32_t trigger);

/// The seven column texts of the per-game list, served on request for any row. Holds an
/// immutable, shared snapshot of the shown history rather than seven strings per game, so
/// it keeps showing that run whatever later replaces the current history.
class ResultListTexts {
public:
    ResultListTexts() = default;
    explicit ResultListTexts(std::shared_ptr<const PlayHistory> shown);

    /// Rows of the list: E, the entries of the shown run (0 before any run is shown).
    std::size_t rowCount() const { return m_history ? m_history->size() : 0; }
    /// Text of column 0..6 of row k: "PLAY数" and "PLAY数2" ("-" on a bonus game), the
    /// outcome label, the medals, the RT text and the two stocks. The empty text for a row
    /// or column out of range.
    std::string text(std::size_t row, int column) const;
    /// The seven texts of row k (k below rowCount()).
    std::array<std::string, kGameListColumns> row(std::size_t k) const;
    /// The shown run the texts are made from.
    const std::shared_ptr<const PlayHistory>& history() const { return m_history; }

private:
    std::shared_ptr<const PlayHistory> m_history;
};

/// Rows of the bonus list: four cells, and a fifth (medals won) once the bonus was played
/// and a normal game followed it.
std::vector<TextRow> bonusRows(const std::vector<BonusRecord>& bonuses);
/// The seven small-role rows (bell .. pure miss), four cells each.
std::vector<TextRow> roleRows(const RunStatistics& statistics);
/// The four RT-trigger rows, three cells each.
std::vector<TextRow> triggerRows(const RunStatistics& statistics);

} // namespace zenoku
