// A picture of the window after a seeded run, written into the build folder.
#include "WindowFixture.h"
#include "WindowTestRegistry.h"

#include <QImage>
#include <QPixmap>

namespace zenoku::test {

class ScreenshotTest : public QObject {
    Q_OBJECT
private slots:
    void windowAfterASeededRun() {
        WindowFixture w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.run(QStringLiteral("8000"), QStringLiteral("6"));
        // Let the clock write its panel and the views repaint.
        QTRY_VERIFY(!w.form.statusText(1).isEmpty());
        const QPixmap picture = w.form.grab();
        QCOMPARE(picture.size(), w.form.size());
        QVERIFY(picture.save(QStringLiteral(ZENOKU_SCREENSHOT_PATH)));

        // The result box shows its text in the layout's font: a picture without glyphs
        // would be one colour where the summary stands.
        const QImage box = picture.toImage().copy(
            w.find("GroupBox2")->geometry().translated(w.form.centralWidget()->pos()));
        const QRgb background = box.pixel(box.width() - 2, box.height() - 4);
        int inked = 0;
        for (int y = 0; y < box.height(); ++y)
            for (int x = 0; x < box.width(); ++x)
                inked += box.pixel(x, y) != background ? 1 : 0;
        QVERIFY(inked > 500);
    }
};

ZENOKU_WINDOW_TEST(ScreenshotTest);

} // namespace zenoku::test

#include "ScreenshotTest.moc"
