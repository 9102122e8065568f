#include "AboutBox.h"

#include "shell/HelpCommands.h"
#include "ui_AboutBox.h"

#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

namespace zenoku {

namespace {

// The box's own font: "ＭＳ Ｐゴシック", 12 pixels high (the program maps the face to an
// installed Japanese font).
QFont aboutBoxFont() {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    return font;
}

// The layout's label sizes fit its own font. A substituted font may set the same text wider
// or taller, so a label grows to its text, as an auto-sized label does, and moves left where
// growing would carry it past its panel's edge; text is never cut off.
void fitToText(QLabel* label) {
    QRect area = label->geometry();
    const QSize needed = label->sizeHint();
    area.setWidth(std::max(area.width(), needed.width()));
    area.setHeight(std::max(area.height(), needed.height()));
    const int right = label->parentWidget()->contentsRect().right();
    if (area.right() > right) area.moveRight(right);
    label->setGeometry(area);
}

} // namespace

TAboutBox::TAboutBox(HelpCommands& commands, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TAboutBox>()), m_commands(commands) {
    m_ui->setupUi(this);
    // A dialog border with the close button only: no resizing, no maximise, no help button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(aboutBoxFont());
    for (QLabel* label :
         {m_ui->ProductName, m_ui->Version, m_ui->CreditLabel, m_ui->Label2, m_ui->Label1})
        fitToText(label);
    // The links act on a click of the left button released over them.
    m_ui->Label1->installEventFilter(this);
    m_ui->Label2->installEventFilter(this);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::Label1Click() {
    m_commands.Label1Click();
}

void TAboutBox::Label2Click() {
    m_commands.Label2Click();
}

void TAboutBox::showEvent(QShowEvent* event) {
    // Centred on the screen, not over the main window, every time it is shown. The show event
    // comes before the window is mapped, so the box never appears elsewhere first.
    if (const QScreen* shown = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shown->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            if (watched == m_ui->Label1)
                Label1Click();
            else if (watched == m_ui->Label2)
                Label2Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zenoku
