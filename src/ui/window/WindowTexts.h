#pragma once

namespace zenoku {

/// The program's name: the application title and the caption of the toolkit's error box.
inline constexpr char kApplicationTitle[] = "ゼノクsim";
/// Caption of the program's own error dialog.
inline constexpr char kErrorCaption[] = "エラー";

/// Texts of the first status panel.
inline constexpr char kRunningText[] = "シミュレーション実行中・・・";
inline constexpr char kRunDoneText[] = "シミュレーション完了";
inline constexpr char kLoadingText[] = "シミュレーションファイルを読み込み中・・・";
inline constexpr char kLoadedText[] = "シミュレーションファイルの読み込み完了";
inline constexpr char kLoadStoppedText[] = "シミュレーションファイルの読み込み中断";

/// The notice under the level box after a run with a hidden level.
inline constexpr char kHiddenLevelNotice[] = "終了時に設定が確認できます。";

/// Messages of the error dialog for ".sim" files.
inline constexpr char kNotSimFileMessage[] = "このファイルは、ゼノクsimファイルではありません。";
inline constexpr char kNoRecordsMessage[] = "このファイルには、表示できるプレイ記録がありません。";
inline constexpr char kCannotOpenMessage[] = "ファイルを開けませんでした。";
inline constexpr char kCannotCreateMessage[] = "ファイルを作成できませんでした。";
inline constexpr char kWriteFailedMessage[] =
    "ファイルに書き込めませんでした。ファイルは変更されていません。";
/// Shown when memory runs out during a run.
inline constexpr char kOutOfMemoryMessage[] = "メモリが不足しています。";

/// The ".sim" file dialogs: the name they start with and their one filter.
inline constexpr char kSimFileDefaultName[] = "*.sim";
inline constexpr char kSimFileFilter[] = "ゼノクsimファイル (*.sim)";

} // namespace zenoku
