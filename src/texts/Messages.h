#pragma once

#include <string>
#include <string_view>

/// Every text the program shows its user, in one place: the window and the command line
/// both take them from here.
namespace zenoku::texts {

/// The program's name: the application title and the caption of the toolkit's error box.
inline constexpr std::string_view kApplicationTitle = "ゼノクsim";
/// Caption of the program's own error dialog.
inline constexpr std::string_view kErrorCaption = "エラー";

// ---- the start command's input checks ----------------------------------------------------

inline constexpr std::string_view kPlaysBelowOne = "Play数は、1以上にしてください。";
inline constexpr std::string_view kRunsBelowOne = "Sim回数は、1以上にしてください。";
inline constexpr std::string_view kLevelOutOfRange = "設定は、1～6または?にしてください。";
inline constexpr std::string_view kPlaysTooLarge =
    "Play数が大きすぎます。この環境のメモリには記録しきれません。";
/// The conversion message for a text that is not an integer: "'<text>' は整数ではありません".
inline std::string notAnInteger(std::string_view text) {
    std::string m = "'";
    m += text;
    m += "' は整数ではありません";
    return m;
}

// ---- runs and batches (first status panel) -----------------------------------------------

inline constexpr std::string_view kRunning = "シミュレーション実行中・・・";
inline constexpr std::string_view kRunDone = "シミュレーション完了";
/// The notice under the level box after a run with a hidden level.
inline constexpr std::string_view kHiddenLevelNotice = "終了時に設定が確認できます。";
inline constexpr std::string_view kBatchFailed = "エラーにより強制終了しました。";
/// Followed directly by the full file name.
inline constexpr std::string_view kSaving = "シミュレーションファイルに保存中。";
inline constexpr std::string_view kSaved = "シミュレーションファイルに保存完了";
/// Shown when memory runs out during a run.
inline constexpr std::string_view kOutOfMemory = "メモリが不足しています。";

// ---- ".sim" files ------------------------------------------------------------------------

/// The file type as users see it.
inline constexpr std::string_view kSimFileTypeName = "ゼノクsimファイル";
inline constexpr std::string_view kLoading = "シミュレーションファイルを読み込み中・・・";
inline constexpr std::string_view kLoaded = "シミュレーションファイルの読み込み完了";
inline constexpr std::string_view kLoadStopped = "シミュレーションファイルの読み込み中断";
inline constexpr std::string_view kNotSimFile = "このファイルは、ゼノクsimファイルではありません。";
inline constexpr std::string_view kNoRecords =
    "このファイルには、表示できるプレイ記録がありません。";
inline constexpr std::string_view kCannotOpen = "ファイルを開けませんでした。";
inline constexpr std::string_view kReadFailed = "ファイルを読み込めませんでした。";
inline constexpr std::string_view kCannotCreate = "ファイルを作成できませんでした。";
inline constexpr std::string_view kWriteFailed =
    "ファイルに書き込めませんでした。ファイルは変更されていません。";

} // namespace zenoku::texts
