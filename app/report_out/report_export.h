#pragma once

#include <QLocale>
#include <QPageLayout>
#include <QString>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "reports/amounts_on_basis.h"

class QWidget;
struct PrintOptions;
class HtmlView;

// Taking a report out of the program: the page of a report view printed or saved as PDF with its
// charts as drawn, and the comparison exported as CSV. The dialogs are modal to parent; a
// cancelled dialog does nothing; a file that cannot be written gets an error box naming it and
// the reason, and nothing half-written stays behind.

// The desktop's print dialog, then the view's page on the chosen printer, on the report's page
// (reportPageLayout). The document name is what print queues show (the application's title when
// empty).
void printView(QWidget* parent, HtmlView& view, const QString& documentName = QString());

// A save dialog titled "Save Report as PDF" proposing "<suggestedBaseName>.pdf" in the documents
// folder, then the view's page as a PDF file there.
void saveViewAsPdf(QWidget* parent, HtmlView& view, const QString& suggestedBaseName);

// A save dialog titled "Export Comparison as CSV" proposing "comparison.csv" in the documents
// folder, then comparisonCsv of the compared fruits (their lines of the fruit table, in the
// drop-down's order), on the basis of their amounts when given, written there.
void exportComparisonCsv(QWidget* parent, const std::vector<std::string>& fruitLines,
                         const std::vector<std::size_t>& fruits,
                         const std::vector<AmountsOnBasis>& amounts = {});

// What saveViewAsPdf does once the file is chosen: renders the view's page as PDF and writes it
// to path. done gets "" on success or the error text, once, from the event loop; it is not
// called when the view goes away first.
void writeViewPdf(HtmlView& view, const QString& path,
                  std::function<void(const QString& error)> done);

// The margins of a printed report when the view's print options give none: 0.75 inch.
inline constexpr double kReportMarginMm = 19.05;

// The page a report is printed on or saved as PDF: Letter where the locale measures in inches
// (the United States), A4 elsewhere; the view's print margins (millimetres) on each side, or
// kReportMarginMm on every side when they are all zero; the view's orientation.
QPageLayout reportPageLayout(const PrintOptions& options, const QLocale& locale = QLocale());
