#include "app/report_out/report_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageSize>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "app/report_out/report_file_name.h"
#include "app/report_out/safe_file_write.h"
#include "app/report_views/every_chart_drawn.h"
#include "app/shared/application_title.h"
#include "app/startup/program_language.h"
#include "htmlview/html_view.h"
#include "htmlview/view_settings.h"
#include "reports/comparison_csv.h"

namespace {

void showExportError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QString::fromLatin1(kApplicationTitle), text);
}

// The chosen path, or "" when the user cancelled.
QString askSavePath(QWidget* parent, const QString& title, const QString& fileName,
                    const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, title, proposedReportPath(fileName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposedReportPath(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

// Renders the view's page as PDF and writes it to path (writeViewPdf, the charts drawn).
void renderViewPdf(HtmlView& view, const QString& path,
                   std::function<void(const QString& error)> done) {
    view.page()->printToPdf(
        [path, done = std::move(done)](const QByteArray& pdf) {
            if (pdf.isEmpty()) {
                done(fileErrorText(
                    path, QCoreApplication::translate("ReportExport",
                                                      "the report could not be made into a PDF")));
                return;
            }
            done(writeFileSafely(path, pdf));
        },
        reportPageLayout(view.printOptions()));
}

}  // namespace

void printView(QWidget* parent, HtmlView& view, const QString& documentName) {
    // The engine draws into the printer after print() has returned: it lives until the engine
    // says it has finished, or until the view goes away first.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(reportPageLayout(view.printOptions()));
    printer->setDocName(documentName.isEmpty() ? QString::fromLatin1(kApplicationTitle)
                                               : documentName);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPointer<QWidget> owner(parent);
    QObject::connect(
        &view, &QWebEngineView::printFinished, &view,
        [owner, printer](bool success) {
            const QString target = printer->outputFileName().isEmpty()
                                       ? printer->printerName()
                                       : QDir::toNativeSeparators(printer->outputFileName());
            if (!success)
                showExportError(
                    owner, QCoreApplication::translate("ReportExport",
                                                       "The report could not be printed on \"%1\".")
                               .arg(target));
        },
        Qt::SingleShotConnection);
    // Every chart on paper, also those the page had not drawn yet. The view is alive when the
    // charts are drawn, or this is never called.
    drawEveryChartThen(view, [&view, printer](const QString&) { view.print(printer.get()); });
}

void writeViewPdf(HtmlView& view, const QString& path,
                  std::function<void(const QString& error)> done) {
    // Every chart in the file, also those the page had not drawn yet. The view is alive when the
    // charts are drawn, or this is never called.
    drawEveryChartThen(view, [&view, path, done = std::move(done)](const QString&) {
        renderViewPdf(view, path, done);
    });
}

void saveViewAsPdf(QWidget* parent, HtmlView& view, const QString& suggestedBaseName) {
    const QString path =
        askSavePath(parent, QCoreApplication::translate("ReportExport", "Save Report as PDF"),
                    reportFileName(suggestedBaseName, QStringLiteral("pdf")),
                    QCoreApplication::translate("ReportExport", "PDF documents (*.pdf)"),
                    QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QPointer<QWidget> owner(parent);
    writeViewPdf(view, path, [owner](const QString& error) {
        if (!error.isEmpty())
            showExportError(owner, error);
    });
}

void exportComparisonCsv(QWidget* parent, const std::vector<std::string>& fruitLines,
                         const std::vector<std::size_t>& fruits,
                         const std::vector<AmountsOnBasis>& amounts) {
    // Made before asking, so a broken line is reported before the user picks a file.
    const std::string csv = amounts.empty()
                                ? comparisonCsv(fruitLines, fruits, programLanguage())
                                : comparisonCsv(fruitLines, fruits, programLanguage(), amounts);
    const QString path = askSavePath(
        parent, QCoreApplication::translate("ReportExport", "Export Comparison as CSV"),
        QStringLiteral("comparison.csv"),
        QCoreApplication::translate("ReportExport", "CSV files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const QString error =
        writeFileSafely(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
    if (!error.isEmpty())
        showExportError(parent, error);
}

QPageLayout reportPageLayout(const PrintOptions& options, const QLocale& locale) {
    const PrintMargins& m = options.Margins;
    const bool none = m.Left == 0 && m.Top == 0 && m.Right == 0 && m.Bottom == 0;
    const QMarginsF margins =
        none ? QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm, kReportMarginMm)
             : QMarginsF(m.Left, m.Top, m.Right, m.Bottom);
    const QPageSize size(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                 : QPageSize::A4);
    const auto orientation = options.Orientation == PrintOrientation::Landscape
                                 ? QPageLayout::Landscape
                                 : QPageLayout::Portrait;
    return QPageLayout(size, orientation, margins, QPageLayout::Millimeter);
}
