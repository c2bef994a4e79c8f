#pragma once

class HtmlView;
class QWidget;

// A view for a report page (the single-fruit, comparison and ranking pages): no text selection,
// flat, themed; Ctrl+N never reaches the page. Printing and PDF take their margins from the view
// (0.75 inch); the header and footer, in the page-setup codes of the engine the reports were
// first written for, are kept as data.
HtmlView* makeReportView(const char* objectName, QWidget* parent);
