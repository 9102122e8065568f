#pragma once

#include "results/RunStatistics.h"
#include "sim/PlayHistory.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zenoku {

/// Column captions of the four result lists, left to right.
inline constexpr std::array<std::string_view, 7> kGameListCaptions{
    "PLAY数", "PLAY数2", "確定役", "メダル数", "RT解除状態", "BIG Stock", "REG Stock"};
inline constexpr std::array<std::string_view, 5> kBonusListCaptions{
    "PLAY数", "PLAY数2", "確定役", "RT解除契機", "獲得メダル"};
inline constexpr std::array<std::string_view, 4> kRoleListCaptions{
    "絵柄", "出現回数", "出現率", "出現率(1/X)"};
inline constexpr std::array<std::string_view, 3> kTriggerListCaptions{"種別", "解除回数", "割合"};

/// One row of a list: its caption cell first, then the sub-item cells.
using TextRow = std::vector<std::string>;

/// The seven column texts of the per-game list, served on request for any row. Holds an
/// immutable, shared snapshot of the shown history rather than seven strings per game, so
/// it keeps showing that run whatever later replaces the current history.
class ResultListTexts {
public:
    ResultListTexts() = default;
    explicit ResultListTexts(std::shared_ptr<const PlayHistory> shown);

    std::size_t rowCount() const { return m_history ? m_history->size() : 0; }
    /// Text of column 0..6 of row k (k below rowCount()).
    std::string text(std::size_t row, int column) const;
    std::array<std::string, 7> row(std::size_t k) const;

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
