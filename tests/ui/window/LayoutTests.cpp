// The window as it opens: controls, texts, defaults, menus, lists, focus order, clock.
#include "WindowFixture.h"
#include "WindowTestRegistry.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace zenoku::test {

class LayoutTests : public QObject {
    Q_OBJECT
private slots:
    void controlSitsWhereItBelongs_data() {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* parent, QRect g, const char* text) {
            QTest::newRow(name) << QString::fromLatin1(parent) << g << QString::fromUtf8(text);
        };
        row("Label1", "centralwidget", {8, 12, 34, 12}, "Play数");
        row("PlayNumEdit", "centralwidget", {48, 8, 73, 20}, "1");
        row("Label2", "centralwidget", {128, 12, 24, 12}, "設定");
        row("FlevelComboBox", "centralwidget", {156, 8, 57, 20}, "1");
        row("Label6", "centralwidget", {224, 12, 43, 12}, "Sim回数");
        row("SimNumEdit", "centralwidget", {272, 8, 61, 20}, "1");
        row("FlevelButton", "centralwidget", {156, 32, 57, 21}, "設定確認");
        row("StartButton", "centralwidget", {272, 32, 63, 21}, "開始");
        row("ProgressBar1", "centralwidget", {6, 57, 225, 15}, "");
        row("StockCheckBox", "centralwidget", {240, 56, 97, 17}, "ストッククリア");
        row("GroupBox2", "centralwidget", {340, 4, 261, 69}, "シミュレーション結果");
        row("PageControl1", "centralwidget", {4, 76, 597, 209}, "");
        row("SlumpChart2", "centralwidget", {4, 284, 597, 149}, "");
        row("SlumpChart", "centralwidget", {4, 428, 597, 217}, "");
        row("GroupBox1", "centralwidget", {4, 644, 597, 37}, "役出現表示");
        row("Label4", "SlumpChart", {280, 16, 218, 11},
            "Medal-赤　BIGストック数-青　REGストック数-紫");
        row("Label5", "SlumpChart2", {124, 8, 383, 11},
            "・マウスで範囲指定して拡大できます。右クリックでドラッグしてスクロールできます。");
        row("ResultListView", "TabSheet1", {4, 4, 581, 173}, "");
        row("BListView", "TabSheet2", {4, 5, 577, 172}, "");
        row("KoyakuListView", "TabSheet4", {4, 5, 325, 172}, "");
        row("KoyakuChart", "TabSheet4", {324, 9, 260, 173}, "");
        row("RTCancelListView", "TabSheet6", {4, 5, 305, 172}, "");
        row("RTCancelChart", "TabSheet6", {324, 9, 260, 173}, "");
        row("BIGCheckBox", "GroupBox1", {16, 16, 53, 17}, "BIG");
        row("REGCheckBox", "GroupBox1", {72, 16, 57, 17}, "REG");
        row("BellCheckBox", "GroupBox1", {140, 16, 45, 17}, "ベル");
        row("OrangeCheckBox", "GroupBox1", {188, 16, 65, 17}, "オレンジ");
        row("Cherry2CheckBox", "GroupBox1", {256, 16, 89, 17}, "2枚チェリー");
        row("Cherry4CheckBox", "GroupBox1", {344, 16, 89, 17}, "4枚チェリー");
        row("RReplayCheckBox", "GroupBox1", {424, 16, 89, 17}, "レアリプレイ");
        row("HazureCheckBox", "GroupBox1", {512, 16, 69, 17}, "純ハズレ");
    }
    void controlSitsWhereItBelongs() {
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        WindowFixture w;
        const QWidget* c = w.find(QTest::currentDataTag());
        QCOMPARE(c->parentWidget()->objectName(), parent);
        if (parent.startsWith(QStringLiteral("SlumpChart"))) {
            // The labels drawn on a chart keep their box but grow tall enough for the
            // installed font's descenders.
            QCOMPARE(c->geometry().topLeft(), geometry.topLeft());
            QCOMPARE(c->width(), geometry.width());
            QVERIFY(c->height() >= geometry.height());
        } else {
            QCOMPARE(c->geometry(), geometry);
        }
        QString shown;
        if (auto* l = qobject_cast<const QLabel*>(c))
            shown = l->text();
        else if (auto* e = qobject_cast<const QLineEdit*>(c))
            shown = e->text();
        else if (auto* b = qobject_cast<const QAbstractButton*>(c))
            shown = b->text();
        else if (auto* g = qobject_cast<const QGroupBox*>(c))
            shown = g->title();
        else if (auto* cb = qobject_cast<const QComboBox*>(c))
            shown = cb->currentText();
        QCOMPARE(shown, text);
    }

    void windowOpensIdleAndEmpty() {
        WindowFixture w;
        QCOMPARE(w.form.windowTitle(), QStringLiteral("ゼノクsim（ゼノクスター）"));
        auto* level = w.find<QComboBox>("FlevelComboBox");
        QVERIFY(level->isEditable());
        QStringList items;
        for (int i = 0; i < level->count(); ++i)
            items << level->itemText(i);
        QCOMPARE(items, (QStringList{"1", "2", "3", "4", "5", "6", "?"}));
        QVERIFY(!w.find<QCheckBox>("StockCheckBox")->isChecked());
        for (auto* box : w.find<QGroupBox>("GroupBox1")->findChildren<QCheckBox*>())
            QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        QCOMPARE(w.summary(), QString());
        QCOMPARE(w.find<QLabel>("Label3")->text(), QString());
        auto* bar = w.find<QProgressBar>("ProgressBar1");
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(w.find<QTabWidget>("PageControl1")->currentIndex(), 0);
        QCOMPARE(w.find<QTableView>("ResultListView")->model()->rowCount(), 0);
        QVERIFY(w.find<QPushButton>("StartButton")->isEnabled());
        QVERIFY(!w.action("FileSaveMenu")->isEnabled());
        QCOMPARE(w.status(), QString());
        QVERIFY(w.form.shownResults() == nullptr);
        QCOMPARE(w.form.slot().GetFlevel(), 1);
        QCOMPARE(w.form.slot().TotalPlays, 0);
    }

    void windowHasAFixedClientArea() {
        WindowFixture w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        const int menu = w.form.menuBar()->height();
        QVERIFY(menu > 0);
        QCOMPARE(w.form.size(), QSize(604, menu + 701));
        QCOMPARE(w.form.minimumSize(), w.form.maximumSize());
        QCOMPARE(w.form.centralWidget()->geometry(), QRect(0, menu, 604, 680));
        QCOMPARE(w.form.statusBar()->geometry(), QRect(0, menu + 680, 604, 21));
        QVERIFY(!(w.form.windowFlags() & Qt::WindowMaximizeButtonHint));
        // Centred on the desk, but never with its title bar above it.
        const QRect desk = w.form.screen()->availableGeometry();
        QVERIFY(qAbs(w.form.frameGeometry().center().x() - desk.center().x()) <= 1);
        QCOMPARE(w.form.frameGeometry().top(),
                 std::max(desk.top(), desk.center().y() - w.form.frameGeometry().height() / 2));
        QVERIFY(w.form.windowFlags() & Qt::WindowMinimizeButtonHint);

        const QLabel* messages = w.find<QLabel>("StatusPanel0");
        const QLabel* clock = w.find<QLabel>("StatusPanel1");
        QCOMPARE(messages->width(), 450);
        QVERIFY(messages->alignment() & Qt::AlignLeft);
        QVERIFY(clock->width() >= 80);
        QCOMPARE(clock->alignment(), Qt::AlignCenter);
        QVERIFY(clock->x() > messages->x());
    }

    void controlsOverlapInTheirOrder() {
        // Where controls overlap, the later one of each pair lies on top.
        WindowFixture w;
        const QObjectList& order = w.find("centralwidget")->children();
        const auto at = [&](const char* name) { return order.indexOf(w.find(name)); };
        QVERIFY(at("SlumpChart") < at("SlumpChart2"));
        QVERIFY(at("SlumpChart2") < at("PageControl1"));
        QVERIFY(at("SlumpChart") < at("GroupBox1"));
    }

    void layoutFontsAreTheInstalledJapaneseOnes() {
        WindowFixture w;
        const QFont font = w.find("PlayNumEdit")->font();
        QCOMPARE(font.family(), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(font.pixelSize(), 12);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
        for (const char* small : {"Label3", "Label4", "Label5"})
            QCOMPARE(w.find(small)->font().pixelSize(), 11);
        QCOMPARE(w.find<QLabel>("Label3")->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    void labelsShowTheirWholeText() {
        // The installed fonts run wider than the layout's; no label may cut its text off.
        WindowFixture w;
        w.run(QStringLiteral("8000"), QStringLiteral("?"));
        QVERIFY(!w.summary().isEmpty());
        for (const QLabel* label : w.form.findChildren<QLabel*>()) {
            if (label->objectName().startsWith(QStringLiteral("StatusPanel"))) continue;
            const QString name = label->objectName();
            for (const QString& line : label->text().split(QLatin1Char('\n')))
                QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->width(),
                         qPrintable(name + QLatin1Char(' ') + line));
            const QRect inParent = label->geometry();
            QVERIFY2(inParent.left() >= 0 && inParent.right() < label->parentWidget()->width(),
                     qPrintable(name));
        }
    }

    void menuTree() {
        WindowFixture w;
        const auto items = [](const QMenu* menu) {
            QStringList out;
            for (const QAction* a : menu->actions())
                out << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return out;
        };
        const QMenuBar* bar = w.find<QMenuBar>("MainMenu");
        QStringList top;
        for (const QAction* a : bar->actions())
            top << a->text();
        QCOMPARE(top, (QStringList{"ファイル(&F)", "ヘルプ(&H)"}));
        QCOMPARE(items(w.find<QMenu>("FileMenu")),
                 (QStringList{"開く(&O)", "保存(&S)", "-", "開始(&G)", "終了(&X)"}));
        QCOMPARE(items(w.find<QMenu>("HelpMenu")),
                 (QStringList{"バージョン情報(&A)", "取扱説明書(&C)", "JWordのインストール", "-",
                              "ホームページ", "広告"}));
        for (const char* name :
             {"FileOpenMenu", "FileSaveMenu", "N1", "FileStartMenu", "FileExitMenu",
              "HelpAboutMenu", "HelpManMenu", "JWord1", "N2", "N3", "N4"}) {
            QVERIFY2(w.action(name)->shortcut().isEmpty(), name);
        }
    }

    void listColumns_data() {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("ResultListView")
            << QStringList{"PLAY数",     "PLAY数2",   "確定役",   "メダル数",
                           "RT解除状態", "BIG Stock", "REG Stock"}
            << QList<int>{60, 60, 90, 70, 120, 65, 70};
        QTest::newRow("BListView")
            << QStringList{"PLAY数", "PLAY数2", "確定役", "RT解除契機", "獲得メダル"}
            << QList<int>{60, 60, 100, 100, 70};
        QTest::newRow("KoyakuListView") << QStringList{"絵柄", "出現回数", "出現率", "出現率(1/X)"}
                                        << QList<int>{100, 70, 70, 80};
        QTest::newRow("RTCancelListView")
            << QStringList{"種別", "解除回数", "割合"} << QList<int>{100, 70, 70};
    }
    void listColumns() {
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, widths);
        WindowFixture w;
        const auto* view = w.find<QAbstractItemView>(QTest::currentDataTag());
        const QHeaderView* header = nullptr;
        if (auto* table = qobject_cast<const QTableView*>(view))
            header = table->horizontalHeader();
        else
            header = qobject_cast<const QTreeView*>(view)->header();
        QVERIFY(!header->isHidden());
        QCOMPARE(header->count(), captions.size());
        for (int c = 0; c < captions.size(); ++c) {
            QCOMPARE(view->model()->headerData(c, Qt::Horizontal).toString(), captions[c]);
            QCOMPARE(header->sectionSize(c), widths[c]);
        }
    }

    void tabsCarryTheirCaptions() {
        WindowFixture w;
        const auto* tabs = w.find<QTabWidget>("PageControl1");
        QStringList pages, titles;
        for (int i = 0; i < tabs->count(); ++i) {
            pages << tabs->widget(i)->objectName();
            titles << tabs->tabText(i);
        }
        QCOMPARE(pages, (QStringList{"TabSheet1", "TabSheet2", "TabSheet4", "TabSheet6"}));
        QCOMPARE(titles, (QStringList{"PLAY情報", "ボーナス情報", "小役出現率", "RT解除情報"}));
    }

    void perGameListIsVirtual() {
        WindowFixture w;
        const auto* view = w.find<QTableView>("ResultListView");
        QCOMPARE(view->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        QVERIFY(!view->verticalHeader()->isVisible());
        QVERIFY(qobject_cast<const QAbstractTableModel*>(view->model()) != nullptr);
        for (int c = 0; c < view->horizontalHeader()->count(); ++c)
            QVERIFY(view->horizontalHeader()->sectionResizeMode(c) !=
                    QHeaderView::ResizeToContents);
    }

    void focusMovesInItsOrder() {
        WindowFixture w;
        const QStringList expected{
            "PlayNumEdit",    "FlevelComboBox",   "FlevelButton",    "BIGCheckBox",
            "REGCheckBox",    "Cherry2CheckBox",  "Cherry4CheckBox", "OrangeCheckBox",
            "HazureCheckBox", "BellCheckBox",     "RReplayCheckBox", "SimNumEdit",
            "StartButton",    "PageControl1",     "ResultListView",  "BListView",
            "KoyakuListView", "RTCancelListView", "StockCheckBox"};
        // The focus chain holds inner widgets too (the combo box's edit); keep the named ones.
        QStringList chain;
        QWidget* at = w.find(qPrintable(expected.first()));
        do {
            if (expected.contains(at->objectName()) && !chain.contains(at->objectName()))
                chain << at->objectName();
            at = at->nextInFocusChain();
        } while (chain.size() < expected.size() && at != w.find("PlayNumEdit"));
        QCOMPARE(chain, expected);
    }

    void clockTicksIntoTheSecondPanel() {
        WindowFixture w;
        const auto* timer = w.form.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer != nullptr);
        QCOMPARE(timer->interval(), 100);
        QVERIFY(timer->isActive());
        QCOMPARE(w.form.statusText(1), QString());
        QTRY_VERIFY_WITH_TIMEOUT(!w.form.statusText(1).isEmpty(), 1000);
        const QString first = w.form.statusText(1);
        QVERIFY2(first.startsWith(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)),
                 qPrintable(first));
        // The clock shows seconds, so it moves on while the window is idle.
        QTRY_VERIFY_WITH_TIMEOUT(w.form.statusText(1) != first, 2500);
        QCOMPARE(w.status(), QString());
    }
};

ZENOKU_WINDOW_TEST(LayoutTests);

} // namespace zenoku::test

#include "LayoutTests.moc"
