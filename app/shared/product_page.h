#pragma once

#include <QString>
#include <QUrl>

// The product web page: the host followed by "/quorvel". The host is shown without scheme (the
// about box's link); the page is opened with "https://" in front, because the desktop's openers
// cannot open an address without one.
inline constexpr char kProductHost[] = "www.quorvel.org";

QString productHost();
QUrl productPageUrl();

// Hands the page to the user's browser; whether one could open it is not looked at.
void openProductPage();
