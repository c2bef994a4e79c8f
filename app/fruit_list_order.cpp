#include "app/fruit_list_order.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <numeric>

#include "htmlview/win1252.h"

std::vector<std::size_t> spanishListOrder(const std::vector<std::string>& names) {
    QCollator collator(QLocale(QLocale::Spanish, QLocale::Spain));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QString> texts;
    texts.reserve(names.size());
    for (const std::string& name : names) {
        texts.push_back(fromWindows1252(name));
    }
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return collator.compare(texts[a], texts[b]) < 0;
    });
    return order;
}
