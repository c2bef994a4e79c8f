// Adding, removing and choosing compared fruits through the window's own controls, and what the
// drop-down, the tabs, the memos and the views show after each action.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>

#include "app/form1.h"
#include "app_test_support.h"
#include "data/fruit_table.h"
#include "data/fruta.h"
#include "htmlview/embedded_wb.h"
#include "htmlview/win1252.h"
#include "reports/comparison_report.h"

namespace {

const QString kLimit =
    QStringLiteral("Please remove some fruits from comparison before adding any more");

QStringList ComboItems(const TForm1& form) {
    QStringList items;
    for (int i = 0; i < form.frutascombo->count(); ++i) {
        items.append(form.frutascombo->itemText(i));
    }
    return items;
}

QString ListName(const TForm1& form, int row) {
    return form.listafrutas->item(row)->text();
}

// What the fruit list's row is called and what its single-fruit page holds, from the table.
QString ExpectedReport(int row) {
    std::vector<std::string> lines;
    LoadFruitTable(lines);
    TFruta fruit(lines.at(static_cast<std::size_t>(row)));
    std::vector<std::string> page;
    fruit.WriteReport(page);
    QStringList text;
    for (const auto& line : page) {
        text.append(FromWindows1252(line));
    }
    return text.join(QLatin1Char('\n'));
}

QString ExpectedComparison(const std::vector<int>& rows) {
    std::vector<std::string> lines;
    LoadFruitTable(lines);
    std::vector<std::unique_ptr<TFruta>> fruits;
    for (const int row : rows) {
        fruits.push_back(std::make_unique<TFruta>(lines.at(static_cast<std::size_t>(row))));
    }
    QStringList text;
    for (const auto& line : ComparisonReportLines(fruits)) {
        text.append(FromWindows1252(line));
    }
    return text.join(QLatin1Char('\n'));
}

void Add(TForm1& form, int row) {
    form.listafrutas->setCurrentRow(row);
    form.Button4->click();
}

// A pick in the drop-down as the user makes it: the keyboard on the closed list.
void PickFirst(TForm1& form) {
    form.frutascombo->setFocus();
    QTest::keyClick(form.frutascombo, Qt::Key_Home);
}

}  // namespace

class TestComparison : public QObject {
    Q_OBJECT
  private slots:
    void init() { WriteTestAppFiles(); }

    void addFirstAndSecond() {
        AppWindows app;
        TForm1& form = *app.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy reports(form.wb, &TEmbeddedWB::OnDocumentComplete);
        QSignalSpy comparisons(form.wb2, &TEmbeddedWB::OnDocumentComplete);

        Add(form, 10);
        QCOMPARE(ComboItems(form), QStringList{ListName(form, 10)});
        QCOMPARE(form.frutascombo->currentIndex(), 0);
        QCOMPARE(form.PageControl1->count(), 1);
        QCOMPARE(form.PageControl1->tabText(0), ListName(form, 10) + QStringLiteral(" Report"));
        QCOMPARE(form.Memo1->toPlainText(), ExpectedReport(10));
        QTRY_VERIFY_WITH_TIMEOUT(PageValue(form.wb, QStringLiteral("document.body.innerText"))
                                     .contains(ListName(form, 10)),
                                 30000);

        Add(form, 2);
        QCOMPARE(ComboItems(form), (QStringList{ListName(form, 10), ListName(form, 2)}));
        QCOMPARE(form.frutascombo->currentIndex(), 1);
        QCOMPARE(form.PageControl1->count(), 2);
        QCOMPARE(form.PageControl1->widget(1), form.tab2);
        QCOMPARE(form.PageControl1->tabText(1), QStringLiteral("Comparison Report"));
        QCOMPARE(form.PageControl1->currentIndex(), 0);  // the report tab stays the shown one
        QCOMPARE(form.PageControl1->tabText(0), ListName(form, 2) + QStringLiteral(" Report"));
        QCOMPARE(form.Memo1->toPlainText(), ExpectedReport(2));
        QCOMPARE(form.Memo2->document()->blockCount(), 168);
        QCOMPARE(form.Memo2->toPlainText(), ExpectedComparison({10, 2}));
        QTRY_VERIFY_WITH_TIMEOUT(comparisons.count() >= 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(
            PageValue(form.wb2, QStringLiteral("document.getElementsByTagName('tbody')[0]."
                                               "rows.length")),
            QStringLiteral("2"), 30000);

        // With the comparison tab shown, adding rebuilds it in place and it stays shown.
        form.PageControl1->setCurrentIndex(1);
        Add(form, 20);
        QCOMPARE(form.PageControl1->currentIndex(), 1);
        QCOMPARE(form.Memo2->toPlainText(), ExpectedComparison({10, 2, 20}));
        QVERIFY(reports.count() >= 1);
    }

    void ninthAndTenth() {
        AppWindows app;
        TForm1& form = *app.form;
        ModalWatcher watcher;
        for (int row = 0; row < 9; ++row) {
            Add(form, row * 3);
        }
        QCOMPARE(form.frutascombo->count(), 9);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
        QCOMPARE(form.Memo2->document()->blockCount(), 602);
        QCOMPARE(form.Memo2->toPlainText(), ExpectedComparison({0, 3, 6, 9, 12, 15, 18, 21, 24}));

        // The tenth is refused with the message, also when it is one of the nine already.
        const QStringList nine = ComboItems(form);
        const QString caption = form.PageControl1->tabText(0);
        for (const int row : {100, 3}) {
            form.Memo1->setPlainText(QStringLiteral("untouched"));
            form.Memo2->setPlainText(QStringLiteral("untouched"));
            const std::size_t before = watcher.boxes.size();
            Add(form, row);
            QCOMPARE(watcher.boxes.size(), before + 1);
            QCOMPARE(watcher.boxes.back().text, kLimit);
            QCOMPARE(watcher.boxes.back().title, QStringLiteral("Quorvel"));
            QCOMPARE(ComboItems(form), nine);
            QCOMPARE(form.PageControl1->tabText(0), caption);
            QCOMPARE(form.Memo1->toPlainText(), QStringLiteral("untouched"));
            QCOMPARE(form.Memo2->toPlainText(), QStringLiteral("untouched"));
        }
    }

    void fruitAlreadyCompared() {
        AppWindows app;
        TForm1& form = *app.form;
        ModalWatcher watcher;
        Add(form, 4);
        Add(form, 5);
        Add(form, 6);
        PickFirst(form);
        QCOMPARE(form.frutascombo->currentIndex(), 0);
        const QString caption = form.PageControl1->tabText(0);
        QCOMPARE(caption, ListName(form, 4) + QStringLiteral(" Report"));
        form.Memo1->setPlainText(QStringLiteral("untouched"));
        form.Memo2->setPlainText(QStringLiteral("untouched"));

        Add(form, 5);  // compared already: silently nothing
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
        QCOMPARE(ComboItems(form),
                 (QStringList{ListName(form, 4), ListName(form, 5), ListName(form, 6)}));
        QCOMPARE(form.frutascombo->currentIndex(), 0);
        QCOMPARE(form.PageControl1->tabText(0), caption);
        QCOMPARE(form.Memo1->toPlainText(), QStringLiteral("untouched"));
        QCOMPARE(form.Memo2->toPlainText(), QStringLiteral("untouched"));
    }

    void choosingInTheDropDown() {
        AppWindows app;
        TForm1& form = *app.form;
        Add(form, 7);
        Add(form, 8);
        Add(form, 9);
        const QString comparison = form.Memo2->toPlainText();
        form.Memo2->setPlainText(QStringLiteral("untouched"));

        // The program setting the selection is no pick: nothing follows it.
        form.frutascombo->setCurrentIndex(1);
        QCOMPARE(form.PageControl1->tabText(0), ListName(form, 9) + QStringLiteral(" Report"));
        QCOMPARE(form.Memo1->toPlainText(), ExpectedReport(9));

        PickFirst(form);
        QCOMPARE(form.PageControl1->tabText(0), ListName(form, 7) + QStringLiteral(" Report"));
        QCOMPARE(form.Memo1->toPlainText(), ExpectedReport(7));
        QCOMPARE(form.Memo2->toPlainText(), QStringLiteral("untouched"));  // not rebuilt
        QVERIFY(!comparison.isEmpty());

        // The hidden Button1 refreshes the chosen fruit's page but leaves the caption alone.
        form.frutascombo->setCurrentIndex(2);
        form.Memo1->setPlainText(QStringLiteral("stale"));
        form.Button1->click();
        QCOMPARE(form.Memo1->toPlainText(), ExpectedReport(9));
        QCOMPARE(form.PageControl1->tabText(0), ListName(form, 7) + QStringLiteral(" Report"));
    }

    void removeDownToNone() {
        AppWindows app;
        TForm1& form = *app.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ModalWatcher watcher;
        Add(form, 30);
        Add(form, 31);
        Add(form, 32);
        PickFirst(form);
        form.PageControl1->setCurrentIndex(1);

        // Removing the chosen first fruit shows the last one's page, selected in the drop-down.
        form.Button5->click();
        QCOMPARE(ComboItems(form), (QStringList{ListName(form, 31), ListName(form, 32)}));
        QCOMPARE(form.frutascombo->currentIndex(), 1);
        QCOMPARE(form.PageControl1->tabText(0), ListName(form, 32) + QStringLiteral(" Report"));
        QCOMPARE(form.Memo1->toPlainText(), ExpectedReport(32));
        QCOMPARE(form.Memo2->toPlainText(), ExpectedComparison({31, 32}));
        QCOMPARE(form.PageControl1->count(), 2);
        QCOMPARE(form.PageControl1->currentIndex(), 1);

        // Down to one: the comparison tab is parked, and the report tab is shown again.
        form.Button5->click();
        QCOMPARE(ComboItems(form), QStringList{ListName(form, 31)});
        QCOMPARE(form.PageControl1->count(), 1);
        QCOMPARE(form.PageControl1->currentWidget(), form.tab1);
        QCOMPARE(form.pagecontrolhidden->indexOf(form.tab2), 0);
        QCOMPARE(form.PageControl1->tabText(0), ListName(form, 31) + QStringLiteral(" Report"));

        // Down to none: the report tab keeps its last page and caption.
        form.Button5->click();
        QCOMPARE(form.frutascombo->count(), 0);
        QCOMPARE(form.PageControl1->tabText(0), ListName(form, 31) + QStringLiteral(" Report"));
        QCOMPARE(form.Memo1->toPlainText(), ExpectedReport(31));
        QCOMPARE(form.pagecontrolhidden->indexOf(form.tab2), 0);

        // On an empty drop-down nothing happens.
        form.Button5->click();
        QCOMPARE(form.frutascombo->count(), 0);
        QCOMPARE(form.PageControl1->count(), 1);
        QCOMPARE(form.pagecontrolhidden->indexOf(form.tab2), 0);
        QCOMPARE(form.Memo1->toPlainText(), ExpectedReport(31));
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }

    void addAfterRemoveGoesLast() {
        AppWindows app;
        TForm1& form = *app.form;
        const QString currants = QStringLiteral("Currants,red&white,raw");
        const int currantsRow =
            form.listafrutas->row(form.listafrutas->findItems(currants, Qt::MatchExactly).first());
        Add(form, currantsRow);
        Add(form, 40);
        Add(form, 41);
        PickFirst(form);
        QCOMPARE(form.frutascombo->currentText(), currants);
        form.Button5->click();
        QCOMPARE(ComboItems(form), (QStringList{ListName(form, 40), ListName(form, 41)}));

        Add(form, currantsRow);
        QCOMPARE(ComboItems(form), (QStringList{ListName(form, 40), ListName(form, 41), currants}));
        QCOMPARE(form.frutascombo->currentIndex(), 2);
        // The tab shows the "&" itself, not as an access key.
        QCOMPARE(form.PageControl1->tabText(0), QStringLiteral("Currants,red&&white,raw Report"));
        QCOMPARE(form.Memo1->toPlainText(), ExpectedReport(currantsRow));
        QCOMPARE(form.Memo2->toPlainText(), ExpectedComparison({40, 41, currantsRow}));
    }
};

QUORVEL_REGISTER_GUI_TEST(TestComparison);
#include "test_comparison.moc"
