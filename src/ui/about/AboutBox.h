#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

namespace zenoku {

class HelpCommands;

/// The about box: the program's icon, name and version, the author credit with a mail link
/// and a link to the homepage. Fixed size, centred on the screen each time it is shown,
/// closed by OK or Enter. The links go through the help commands, so they reach the same shell
/// as the help menu. Created hidden with the main window and shown modally with `exec()`; it
/// keeps no state between showings.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    /// `commands` must outlive the box.
    explicit TAboutBox(HelpCommands& commands, QWidget* parent = nullptr);
    ~TAboutBox() override;

    /// The homepage link `Label1` was clicked.
    void Label1Click();
    /// The author link `Label2` was clicked.
    void Label2Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TAboutBox> m_ui;
    HelpCommands& m_commands;
};

} // namespace zenoku
