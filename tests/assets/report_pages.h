// The pages the chart scripts work on: the report of one fruit, the comparison report and the
// placeholder page, as the program writes them (lines joined with line breaks, the program's
// folder as the style-sheet folder).
#pragma once

#include <QString>
#include <QStringList>

struct ReportPage {
    QString html;
    QStringList fruits;  // display names of the fruits on the page, in page order
};

// which: 0 the first fruit of the table, 1 a fruit whose name holds "&", 2 the last fruit
// ("Horned Melon (kiwano)", with many missing amounts).
ReportPage singleFruitPage(int which);
// The comparison report of fruitCount fruits (2 to 9).
ReportPage comparisonPage(int fruitCount);
// The page the report view shows before any fruit is compared.
QString placeholderPageText();

// The single-fruit page of a table line, in English or Spanish.
QString singleFruitPageText(int line, bool spanish);
// The ranking of all fruits by amount column (1 to 32).
QString rankingPageText(int column);
