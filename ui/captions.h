// Captions, tooltips and messages of the main window and its dialogs,
// exactly as the program shows them.
#pragma once

namespace tamrisk::captions {

inline constexpr char16_t MainWindowTitle[] = u"Tamrisk";
inline constexpr char16_t Label6Caption[] = u"数値";
inline constexpr char16_t Label4Caption[] = u"倍数";
inline constexpr char16_t Label2Caption[] = u"単位";
inline constexpr char16_t Label1_0Caption[] = u"パラメータ１";
inline constexpr char16_t Label1_1Caption[] = u"パラメータ２";
inline constexpr char16_t Label1_2Caption[] = u"結果単位指定";
inline constexpr char16_t Param1Tip[] = u"パラメータ1の数値入力";
inline constexpr char16_t SubUnit1Tip[] = u"パラメータ1の倍数入力";
inline constexpr char16_t Unit1Tip[] = u"パラメータ1の単位入力";
inline constexpr char16_t Param1ClearCaption[] = u"C";
inline constexpr char16_t Param1ClearTip[] = u"パラメータ1の内容削除";
inline constexpr char16_t Param1HelpCaption[] = u"?";
inline constexpr char16_t Param1HelpTip[] = u"パラメータ1の倍数､単位説明";
inline constexpr char16_t Param2Tip[] = u"パラメータ2の数値入力";
inline constexpr char16_t SubUnit2Tip[] = u"パラメータ2の倍数入力";
inline constexpr char16_t Unit2Tip[] = u"パラメータ2の単位入力";
inline constexpr char16_t Param2ClearCaption[] = u"C";
inline constexpr char16_t Param2ClearTip[] = u"パラメータ2の内容削除";
inline constexpr char16_t Param2HelpCaption[] = u"?";
inline constexpr char16_t Param2HelpTip[] = u"パラメータ2の倍数､単位説明";
inline constexpr char16_t GoCalculateCaption[] = u"計算";
inline constexpr char16_t GoCalculateTip[] = u"計算実行";
inline constexpr char16_t Unit3Tip[] = u"指定単位の計算結果のみ表示";
inline constexpr char16_t CopyClipTip[] = u"計算結果をクリップボードにコピー";
inline constexpr char16_t CalcExeTip[] = u"電卓ソフト起動";
// The button of which units go with the chosen ones (ui/partner_controller.h);
// what the hint says is the engine's (engine/partner_choices.h).
inline constexpr char16_t PartnerHintCaption[] = u"組合せ候補";
inline constexpr char16_t Tamrisk_End_MenuCaption[] = u"終了(&F)";
inline constexpr char16_t Tamrisk_EndCaption[] = u"Tamriskの終了(&X)";
inline constexpr char16_t SettingMenuCaption[] = u"設定(&S)";
inline constexpr char16_t OpenCustomCaption[] = u"倍数､単位ｶｽﾀﾏｲｽﾞ(&S)";
inline constexpr char16_t OpenCalcPassCaption[] = u"電卓ｿﾌﾄ設定(&D)";
inline constexpr char16_t HelpMenuCaption[] = u"ﾍﾙﾌﾟ(&H)";
inline constexpr char16_t OpenHelpCaption[] = u"ﾍﾙﾌﾟ(&H)";
inline constexpr char16_t OpenFormulaCaption[] = u"計算式一覧(&K)";
inline constexpr char16_t OpenVersionCaption[] = u"ﾊﾞｰｼﾞｮﾝ情報(&A)";
inline constexpr char16_t CalculatorPathTitle[] = u"電卓ソフト設定";
inline constexpr char16_t CalculatorPathLabel1Caption[] = u"電卓ソフトのパス､ファイル名を指定してください。";
inline constexpr char16_t CalculatorPathLabel6Caption[] = u"例：";
#ifdef _WIN32
inline constexpr char16_t CalculatorPathLabel3Caption[] = u"DOS/V機の場合　c:\\windows\\calc.exe";
inline constexpr char16_t CalculatorPathLabel5Caption[] = u"PC9800の場合　 a:\\windows\\calc.exe";
#else
// Examples of this platform: two desktops' calculators, the paths in line.
inline constexpr char16_t CalculatorPathLabel3Caption[] = u"GNOMEの場合　/usr/bin/gnome-calculator";
inline constexpr char16_t CalculatorPathLabel5Caption[] = u"KDEの場合　  /usr/bin/kcalc";
#endif
inline constexpr char16_t CalculatorPathCommand3Caption[] = u"?";
inline constexpr char16_t CalculatorPathCommand1Caption[] = u"OK";
inline constexpr char16_t CalculatorPathCommand2Caption[] = u"Cancel";
inline constexpr char16_t FileDialogTitle[] = u"電卓ソフトのファイルを選択する";
#ifdef _WIN32
inline constexpr char16_t FileDialogFilter[] = u"実行ファイル (*.exe)";
#else
// Programs here carry no extension: every name, and only the files the user
// may run (see CalculatorPathDialog::browse).
inline constexpr char16_t FileDialogFilter[] = u"実行ファイル (*)";
#endif
inline constexpr char16_t LaunchErrorLine1[] = u"パスまたはファイル名が間違っています。";
inline constexpr char16_t LaunchErrorLine2[] = u"[設定]→[電卓ｿﾌﾄ設定]で正しいパス､ファイル名を指定してください。";
inline constexpr char16_t MessageTitle[] = u"Tamrisk";
inline constexpr char16_t VersionTitle[] = u"Tamriskバージョン情報";
#ifdef _WIN32
inline constexpr char16_t VersionLabel1Caption[] = u"Tamrisk for Windows 95/98";
#else
inline constexpr char16_t VersionLabel1Caption[] = u"Tamrisk for Linux";
#endif
inline constexpr char16_t VersionCommand1Caption[] = u"OK";
inline constexpr char16_t CustomisationTitle[] = u"Tamriskカスタマイズ";
inline constexpr char16_t CustomisationLabel1Caption[] = u"チェックした倍数および単位が使用可能となります。";
inline constexpr char16_t CustomisationFrame1Caption[] = u"倍数";
inline constexpr char16_t CustomisationFrame2Caption[] = u"単位";
inline constexpr char16_t CustomisationCommand1Caption[] = u"OK";
inline constexpr char16_t CustomisationCommand2Caption[] = u"Cancel";
inline constexpr char16_t FormulaListTitle[] = u"Tamrisk計算式一覧";
inline constexpr char16_t FormulaListLabel1Caption[] = u"検索文字列";
inline constexpr char16_t SearchDownCaption[] = u"▼下検索";
inline constexpr char16_t SearchUpCaption[] = u"▲上検索";
inline constexpr char16_t FormulaListCommand1Caption[] = u"閉じる";
// The help window's text when readme.txt is not read: not found, or found
// but longer than MaxHelpLines lines or MaxHelpBytes bytes (ui/help_text.h).
inline constexpr char16_t HelpNotFoundText[] = u"ヘルプエラー　Readme.txtファイルが見つかりません。";
inline constexpr char16_t HelpTooManyLinesText[] = u"ヘルプエラー　Readme.txtファイルの行数が1000行を超えているため､表示できません。";
inline constexpr char16_t HelpTooLargeText[] = u"ヘルプエラー　Readme.txtファイルの大きさが1MBを超えているため､表示できません。";
// The version text is "Ver " and the program's version (VersionCaption in
// ui/app_state.h), set once in CMakeLists.txt.
inline constexpr char16_t VersionPrefix[] = u"Ver ";

// Notes about the settings file, each shown once in a window of its own that
// blocks nothing. The first line says what happened; where it helps, the
// settings file's full path follows SettingsFileLabel.
inline constexpr char16_t SettingsNotSavedLine1[] = u"設定を保存できませんでした。";
inline constexpr char16_t SettingsUnreadableLine1[] = u"設定ファイルを読み込めなかったため､標準の設定で起動しました。";
inline constexpr char16_t SettingsUndecodableLine1[] = u"設定ファイルに読み取れない文字がありました。";
inline constexpr char16_t SettingsBackupLine2[] = u"元のファイルは､設定を保存するときに tamrisk.ini.bak として残します。";
inline constexpr char16_t PathNotHeldLine1[] = u"電卓ソフトのパスに､設定ファイルに保存できない文字が含まれています。";
inline constexpr char16_t PathNotHeldLine2[] = u"このパスは Tamrisk を終了するまで使えますが､設定ファイルには以前のパスを残します。";
inline constexpr char16_t SettingsFileLabel[] = u"設定ファイル：";

// Notes about the history file, each shown once, like those about the
// settings file.
inline constexpr char16_t HistoryNotSavedLine1[] = u"計算の履歴を保存できませんでした。この履歴は Tamrisk を終了するまで使えます。";
inline constexpr char16_t HistoryDamagedLine1[] = u"計算の履歴ファイルに読み取れない行がありました。読み取れた計算は使えます。";
inline constexpr char16_t HistoryBackupLine2[] = u"元のファイルは､履歴を保存するときに history.jsonl.bak として残します。";
inline constexpr char16_t HistoryFileLabel[] = u"履歴ファイル：";

// The history window.
inline constexpr char16_t HistoryTitle[] = u"計算の履歴";
inline constexpr char16_t HistoryMenuCaption[] = u"履歴(&R)";
inline constexpr char16_t OpenHistoryCaption[] = u"計算の履歴(&R)";
inline constexpr char16_t HistoryRecallCaption[] = u"呼び出し";
inline constexpr char16_t HistoryDeleteCaption[] = u"削除";
inline constexpr char16_t HistoryClearCaption[] = u"すべて削除";
inline constexpr char16_t HistoryCloseCaption[] = u"閉じる";
inline constexpr char16_t HistoryEmptyText[] = u"まだ計算の履歴はありません。";
inline constexpr char16_t HistoryClearQuestion[] = u"計算の履歴をすべて削除しますか？";
// The page's link of the inputs.
inline constexpr char16_t ShareCaption[] = u"共有";
inline constexpr char16_t ShareTip[] = u"この計算のリンクを共有またはコピーします";
inline constexpr char16_t HistoryNotOfferedText[] = u"この履歴の倍数または単位「%1」は一覧にないため､入力しませんでした。倍数､単位ｶｽﾀﾏｲｽﾞで表示できます。";

}  // namespace tamrisk::captions
