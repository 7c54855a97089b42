#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "dialogs/HelpViewer.h"

// The help opens Zurk3.hlp from the program's folder at its topic.
class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void opensTheHelpFileAtItsTopic() {
        QTemporaryDir dir;
        QFile help(dir.filePath(QStringLiteral("Zurk3.hlp")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        QByteArray page = "<html><body><h1>Úvod</h1>";
        for (int i = 0; i < 200; ++i) page += "<p>řádek " + QByteArray::number(i) + "</p>";
        page += "<h2><a name=\"1000\"></a>Obsah nápovědy</h2>";
        for (int i = 0; i < 200; ++i) page += "<p>další řádek</p>";
        page += "</body></html>";
        help.write(page);
        help.close();

        HelpViewer viewer(dir.path());
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Zurk3 - Nápověda"));
        viewer.ShowTopic(1000);
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QVERIFY(viewer.Browser()->toPlainText().contains(QStringLiteral("Obsah nápovědy")));
        QTRY_VERIFY(viewer.Browser()->verticalScrollBar()->value() > 0);
    }

    void aMissingHelpFileIsSaidInCzech() {
        QTemporaryDir dir;
        HelpViewer viewer(dir.path());
        QCOMPARE(viewer.Browser()->toPlainText(),
                 QStringLiteral("Soubor nápovědy Zurk3.hlp nebyl nalezen v domovské složce programu."));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "tst_HelpViewer.moc"
