#pragma once

#include <QString>

// The name proposed for a report's file: the base name ("Apples,raw,with Skin", "Comparison",
// "Ranking - Vitamin C") with the characters that a file name cannot hold or that trouble other
// systems ("/", "\", ":", "*", "?", quotes, "<", ">", "|", control characters) replaced by "-",
// blanks and dots trimmed from both ends, then the suffix ("pdf", "csv"). An empty base becomes
// "Report".
QString reportFileName(const QString& baseName, const QString& suffix);

// The path proposed for a file of that name: in the user's documents folder, or in the home
// folder when there is no documents folder.
QString proposedReportPath(const QString& fileName);
