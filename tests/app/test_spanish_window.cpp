// The Spanish window from start to the ranking: the label names the list's selection, the CSV of
// the comparison has the Spanish names of the compared table lines, and the ranking is a window of
// its own whose clicks select the right fruit in the Spanish list.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/main_window/find_field.h"
#include "app/main_window/main_window.h"
#include "app/ranking/ranking_window.h"
#include "app/startup/program_language.h"
#include "app_test_support.h"
#include "data/fruit_table.h"
#include "htmlview/html_view.h"
#include "htmlview/win1252.h"
#include "reports/ranking.h"

class TestSpanishWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        writeTestAppFiles();
        setProgramLanguage(Language::Spanish);
        installTranslations(*QCoreApplication::instance(), Language::Spanish);
    }

    void roadThroughTheSpanishWindow() {
        ProgramWindows app(false);
        MainWindow& form = app.mainWindow();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        std::vector<std::string> table;
        const std::vector<std::string> names = loadFruitTable(table, Language::Spanish);

        // The label names the entry the list selects, and the add button adds that one.
        QListWidget* list = form.fruitList;
        QCOMPARE(form.currentFruitLabel->text(), list->currentItem()->text());
        form.addButton->click();
        QCOMPARE(form.comparedFruitsCombo->currentText(), list->item(0)->text());
        const int kiwanoRow = form.model().rowOf(144);
        list->setCurrentRow(kiwanoRow);
        QCOMPARE(form.currentFruitLabel->text(), fromWindows1252(names[144]));
        form.addButton->click();
        QCOMPARE(form.comparedFruitsCombo->count(), 2);

        // Finding ignores accents: "platano" finds the plantains and the bananas.
        QCOMPARE(form.findField->accessibleName(), QStringLiteral("Buscar una fruta"));
        form.findField->setText(QStringLiteral("platano"));
        QVERIFY(list->count() > 1 && list->count() < 145);
        QVERIFY(!list->findItems(QStringLiteral("Pl\u00e1tanos, en crudo"), Qt::MatchExactly)
                     .isEmpty());
        form.findField->clear();
        QCOMPARE(list->count(), 145);

        // Informe > Exportar...: the CSV names the compared fruits in Spanish, in their order.
        QCOMPARE(form.reportMenu->title(), QStringLiteral("Informe"));
        QTemporaryDir dir;
        const QString csvPath = dir.filePath(QStringLiteral("comparaci\u00f3n.csv"));
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&answer, csvPath] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                answer.stop();
                dialog->selectFile(csvPath);
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        answer.start(20);
        form.exportCsvAction->trigger();
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList rows = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(rows.size(), 4);
        QVERIFY(rows[0].startsWith(QStringLiteral("Fruta;Agua (g);")));
        QVERIFY(rows[1].startsWith(list->item(0)->text() + QLatin1Char(';')) ||
                rows[1].startsWith(QLatin1Char('"') + list->item(0)->text()));
        QVERIFY(rows[2].startsWith(fromWindows1252(names[144]) + QLatin1Char(';')));

        // Informe > Ordenar: a window of its own; a click on the first fruit selects it in the
        // list.
        form.rankAction->trigger();
        auto* ranking = form.findChild<RankingWindow*>();
        QVERIFY(ranking != nullptr && ranking->isWindow());
        QVERIFY(QTest::qWaitForWindowExposed(ranking));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(ranking);
        QVERIFY(window != nullptr && window->role() == QAccessible::Dialog);
        QTRY_COMPARE_WITH_TIMEOUT(scriptsRan(ranking->rankView),
                                  QStringLiteral("jq.dat;enh.dat;exc.dat;vis.dat;rank.dat;"),
                                  30000);
        const std::size_t first = rankTableRows(table, 1, Language::Spanish).ranked.front();
        QTest::mouseClick(ranking->rankView->focusProxy(), Qt::LeftButton, {},
                          cellOfRow(ranking->rankView, static_cast<int>(first), "th"));
        QTRY_COMPARE_WITH_TIMEOUT(list->currentRow(), form.model().rowOf(first), 30000);
        QCOMPARE(list->currentItem()->text(), fromWindows1252(names[first]));
    }
};

QUORVEL_REGISTER_GUI_TEST(TestSpanishWindow);
#include "test_spanish_window.moc"
