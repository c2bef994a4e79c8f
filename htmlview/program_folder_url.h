#pragma once

#include <QUrl>

// The file:// URL of the folder of the running executable (links resolved), ending in "/".
// Pages given as text take it as their base, so links by file path and by name beside the
// program resolve there.
const QUrl& programFolderUrl();
