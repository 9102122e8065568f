// Ending the program: 終了 and the window's close button end the event loop with exit code 0
// and write nothing.
#include "WindowFixture.h"
#include "WindowTestRegistry.h"
#include "simfile/TempDir.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QTimer>

namespace zenoku::test {

class ExitTests : public QObject {
    Q_OBJECT
private slots:
    void exitEndsTheEventLoopWithCodeZeroAndWritesNothing_data() {
        QTest::addColumn<bool>("menu");
        QTest::newRow("終了(&X)") << true;
        QTest::newRow("close button") << false;
    }
    void exitEndsTheEventLoopWithCodeZeroAndWritesNothing() {
        QFETCH(bool, menu);
        TempDir dir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir.path().string()));
        {
            WindowFixture w;
            w.run(QStringLiteral("500"), QStringLiteral("3"));
            w.form.show();
            QTimer::singleShot(0, &w.form, [&] {
                if (menu)
                    w.action("FileExitMenu")->trigger();
                else
                    w.form.close(); // what the title bar's close button asks for
            });
            // A command that failed to end the program would leave the loop running.
            QTimer::singleShot(5000, &w.form, [] { QApplication::exit(1); });
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(!w.form.isVisible());
        }
        QDir::setCurrent(before);
        QVERIFY(dir.entries().empty());
    }
};

ZENOKU_WINDOW_TEST(ExitTests);

} // namespace zenoku::test

#include "ExitTests.moc"
