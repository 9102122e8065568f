#pragma once

#include <QString>

namespace zenoku {

class Shell;

/// The commands of the help menu and the about box's two links: each hands one document,
/// program or address to the shell and returns at once. None waits and none reports a
/// failure; a missing help file or installer is the shell's business.
class HelpCommands {
public:
    /// `executableFolder` is where the help file and the toolbar installer are looked for (a
    /// trailing "/" is added when missing); `homepage` is the homepage address, from which the
    /// advertisement page is formed.
    HelpCommands(Shell& shell, QString executableFolder, QString homepage);

    /// The folder of the running program, ending in "/".
    static QString executableFolder();
    /// The homepage address this build was configured with (CMake cache variable
    /// ZENOKU_HOMEPAGE).
    static QString defaultHomepage();
    /// The author's mail address this build was configured with (ZENOKU_AUTHOR_MAIL).
    static QString authorMailAddress();

    /// The full path of the help file "pomvex.hlp" beside the executable.
    QString helpFilePath() const;
    /// The full path of the JWord toolbar installer beside the executable.
    QString installerPath() const;
    /// The homepage address.
    const QString& homepage() const { return m_homepage; }
    /// The advertisement page: "ad.html" in the homepage's directory.
    QString advertisementAddress() const;

    /// 取扱説明書: opens the help file with its associated program, whether or not it exists.
    void HelpManMenuClick();
    /// JWordのインストール: starts the toolbar installer with the parameter text "QR482716 1".
    void JWord1Click();
    /// ホームページ: opens the homepage in the default browser.
    void N3Click();
    /// 広告: opens the advertisement page in the default browser.
    void N4Click();
    /// The about box's homepage link.
    void Label1Click();
    /// The about box's author link: a "mailto:" address for the default mail program.
    void Label2Click();

private:
    Shell& m_shell;
    QString m_folder;
    QString m_homepage;
};

} // namespace zenoku
