#include "HelpCommands.h"

#include "Shell.h"

#include <QCoreApplication>
#include <utility>

namespace zenoku {

namespace {

const QString kHelpFileName = QStringLiteral("pomvex.hlp");
const QString kInstallerName = QStringLiteral("jwv_for_QR482716.exe");
const QString kInstallerParameters = QStringLiteral("QR482716 1");
const QString kAdvertisementPage = QStringLiteral("ad.html");

QString withTrailingSlash(QString text) {
    if (!text.endsWith(QLatin1Char('/'))) text += QLatin1Char('/');
    return text;
}

} // namespace

HelpCommands::HelpCommands(Shell& shell, QString executableFolder, QString homepage)
    : m_shell(shell), m_folder(withTrailingSlash(std::move(executableFolder))),
      m_homepage(std::move(homepage)) {}

QString HelpCommands::executableFolder() {
    return withTrailingSlash(QCoreApplication::applicationDirPath());
}

QString HelpCommands::defaultHomepage() {
    return QStringLiteral(ZENOKU_HOMEPAGE);
}

QString HelpCommands::authorMailAddress() {
    return QStringLiteral(ZENOKU_AUTHOR_MAIL);
}

QString HelpCommands::helpFilePath() const {
    return m_folder + kHelpFileName;
}

QString HelpCommands::installerPath() const {
    return m_folder + kInstallerName;
}

QString HelpCommands::advertisementAddress() const {
    // The page sits in the homepage's directory; a homepage given without its closing "/"
    // must not glue the page name onto the last path segment.
    return withTrailingSlash(m_homepage) + kAdvertisementPage;
}

void HelpCommands::HelpManMenuClick() {
    m_shell.openDocument(helpFilePath());
}

void HelpCommands::JWord1Click() {
    m_shell.startProgram(installerPath(), kInstallerParameters);
}

void HelpCommands::N3Click() {
    m_shell.openAddress(m_homepage);
}

void HelpCommands::N4Click() {
    m_shell.openAddress(advertisementAddress());
}

void HelpCommands::Label1Click() {
    m_shell.openAddress(m_homepage);
}

void HelpCommands::Label2Click() {
    m_shell.openAddress(QStringLiteral("mailto:") + authorMailAddress());
}

} // namespace zenoku
