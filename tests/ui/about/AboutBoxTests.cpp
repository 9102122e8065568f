// The about box: its texts and layout, the look and action of its two links, Enter closing it,
// its place on the screen, and the program icon it shows.
#include "about/AboutBox.h"
#include "about/ProgramIcon.h"
#include "shell/HelpCommands.h"
#include "shell/RecordingShell.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using zenoku::HelpCommands;
using zenoku::RecordingShell;
using zenoku::ShellCall;
using zenoku::TAboutBox;

namespace {

const QString kHomepage = QStringLiteral("https://zenoku-sim.example.org/");

// A box wired to a recording shell, as the main window wires it to the real one.
struct AboutBoxFixture {
    RecordingShell shell;
    HelpCommands commands{shell, QStringLiteral("/opt/zenoku/"), kHomepage};
    TAboutBox box{commands};

    template <typename T> T* child(const QString& name) { return box.findChild<T*>(name); }
};

} // namespace

class AboutBoxTests : public QObject {
    Q_OBJECT

private slots:
    void showsTheProgramsTexts_data();
    void showsTheProgramsTexts();
    void keepsItsFixedLayout_data();
    void keepsItsFixedLayout();
    void labelsShowTheirWholeTextInPlace_data();
    void labelsShowTheirWholeTextInPlace();
    void linksLookLikeLinksAndOpenTheirAddress_data();
    void linksLookLikeLinksAndOpenTheirAddress();
    void enterClosesTheBoxEveryTime();
    void isCentredOnTheScreenNotOverItsParent();
    void showsTheProgramIcon();
};

void AboutBoxTests::showsTheProgramsTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("product") << "ProductName"
                             << "ゼノクsim";
    QTest::newRow("version") << "Version"
                             << "Version1.0.1.0";
    QTest::newRow("homepage link") << "Label1"
                                   << "ミルトsimのページ";
    QTest::newRow("OK") << "OKButton"
                        << "OK";
}

void AboutBoxTests::showsTheProgramsTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    AboutBoxFixture f;
    QCOMPARE(f.box.windowTitle(), QStringLiteral("バージョン情報"));
    if (auto* label = f.child<QLabel>(name))
        QCOMPARE(label->text(), text);
    else if (auto* button = f.child<QPushButton>(name))
        QCOMPARE(button->text(), text);
    else
        QFAIL(qPrintable("no control " + name));
}

void AboutBoxTests::keepsItsFixedLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Panel1") << "Panel1"
                            << "AboutBox" << QRect(8, 8, 281, 161);
    QTest::newRow("ProgramIcon") << "ProgramIcon"
                                 << "Panel1" << QRect(40, 8, 32, 32);
    QTest::newRow("OKButton") << "OKButton"
                              << "AboutBox" << QRect(111, 180, 75, 25);
}

void AboutBoxTests::keepsItsFixedLayout() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    AboutBoxFixture f;

    // Client area 298 × 213 that cannot be resized.
    QCOMPARE(f.box.size(), QSize(298, 213));
    QCOMPARE(f.box.minimumSize(), QSize(298, 213));
    QCOMPARE(f.box.maximumSize(), QSize(298, 213));
    QVERIFY(!(f.box.windowFlags() & Qt::WindowMaximizeButtonHint));

    auto* widget = f.child<QWidget>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
}

void AboutBoxTests::labelsShowTheirWholeTextInPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("designed");
    QTest::newRow("ProductName") << "ProductName" << QRect(88, 16, 49, 12);
    QTest::newRow("Version") << "Version" << QRect(88, 40, 69, 12);
    QTest::newRow("credit") << "CreditLabel" << QRect(52, 80, 97, 12);
    QTest::newRow("Label2") << "Label2" << QRect(148, 80, 79, 12);
    QTest::newRow("Label1") << "Label1" << QRect(196, 144, 76, 12);
}

void AboutBoxTests::labelsShowTheirWholeTextInPlace() {
    QFETCH(QString, name);
    QFETCH(QRect, designed);
    AboutBoxFixture f;
    auto* label = f.child<QLabel>(name);
    QVERIFY(label);
    QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("Panel1"));
    QVERIFY(!label->text().isEmpty());

    // A label keeps its designed place and grows only where the installed font needs more
    // room than the layout's own; it never leaves its panel's inside and never cuts its text.
    const QRect area = label->geometry();
    QCOMPARE(area.top(), designed.top());
    QVERIFY2(area.contains(designed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                     .arg(area.x())
                                                     .arg(area.y())
                                                     .arg(area.width())
                                                     .arg(area.height())));
    QVERIFY(label->parentWidget()->contentsRect().contains(area));
    QVERIFY(area.width() >= label->sizeHint().width());
    QVERIFY(area.height() >= label->sizeHint().height());
}

void AboutBoxTests::linksLookLikeLinksAndOpenTheirAddress_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::newRow("homepage") << "Label1" << kHomepage;
    QTest::newRow("author") << "Label2"
                            << "mailto:" + HelpCommands::authorMailAddress();
}

void AboutBoxTests::linksLookLikeLinksAndOpenTheirAddress() {
    QFETCH(QString, name);
    QFETCH(QString, address);
    AboutBoxFixture f;
    f.box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.box));
    auto* link = f.child<QLabel>(name);
    QVERIFY(link);

    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(link->font().underline());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    // The link keeps the box's face and size; only the underline is its own.
    QCOMPARE(link->font().family(), f.box.font().family());
    QCOMPARE(link->font().pixelSize(), 12);

    // The right button does nothing; a left click hands the address to the shell once and
    // leaves the box open.
    QTest::mouseClick(link, Qt::RightButton);
    QVERIFY(f.shell.calls().empty());
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(f.shell.calls().size(), std::size_t{1});
    QCOMPARE(f.shell.calls().front().verb, ShellCall::Verb::OpenAddress);
    QCOMPARE(f.shell.calls().front().target, address);
    QVERIFY(f.box.isVisible());
}

void AboutBoxTests::enterClosesTheBoxEveryTime() {
    AboutBoxFixture f;
    QVERIFY(f.child<QPushButton>("OKButton")->isDefault());

    // Shown modally twice, as the help menu does: Enter closes it with OK each time. A box
    // that ignored Enter would be rejected by the fallback instead of hanging the test.
    for (int showing = 1; showing <= 2; ++showing) {
        QTimer::singleShot(0, &f.box, [&f] {
            QWidget* target = QApplication::focusWidget();
            QTest::keyClick(target && f.box.isAncestorOf(target) ? target : &f.box, Qt::Key_Return);
        });
        QTimer::singleShot(5000, &f.box, &QDialog::reject);
        QCOMPARE(f.box.exec(), int(QDialog::Accepted));
        QVERIFY(!f.box.isVisible());
    }
    QVERIFY(f.shell.calls().empty());
}

void AboutBoxTests::isCentredOnTheScreenNotOverItsParent() {
    QWidget owner;
    owner.setGeometry(0, 0, 120, 90);
    owner.show();
    RecordingShell shell;
    HelpCommands commands(shell, QStringLiteral("/opt/zenoku/"), kHomepage);
    TAboutBox box(commands, &owner);

    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint centre = box.screen()->availableGeometry().center();
    QVERIFY2((box.frameGeometry().center() - centre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("centre %1,%2")
                            .arg(box.frameGeometry().center().x())
                            .arg(box.frameGeometry().center().y())));

    // Moved away and shown again: centred again.
    box.hide();
    box.move(3, 3);
    box.show();
    QVERIFY((box.frameGeometry().center() - centre).manhattanLength() <= 2);
    QCOMPARE(box.size(), QSize(298, 213));
}

void AboutBoxTests::showsTheProgramIcon() {
    // The icons live in the window library's resources; a resource that failed to reach the
    // program would leave an empty frame here and a blank window icon.
    AboutBoxFixture f;
    const QPixmap shown = f.child<QLabel>("ProgramIcon")->pixmap();
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.size(), QSize(32, 32));
    QVERIFY(f.child<QLabel>("ProgramIcon")->hasScaledContents());

    const QList<QSize> sizes = zenoku::programIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(128, 128)));
}

QTEST_MAIN(AboutBoxTests)
#include "AboutBoxTests.moc"
