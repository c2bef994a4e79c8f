#pragma once

#include <string>
#include <vector>

#include "data/fruit.h"
#include "reports/amounts_on_basis.h"

// The single-fruit report page: a heading, the energy and five tables of amounts per 100 g, in 19
// lines. The four microgram amounts are shown in milligrams.
std::vector<std::string> singleFruitReportLines(const Fruit& fruit);

// The same page on the basis of amounts (from the fruit's table line): the heading and the tables'
// heads say the basis, the tables tell the chart scripts (data-qv-per), and with a standard the
// page ends with a table of the shares of the daily values, charted against a line at 100 %
// (data-qv-reference). Per 100 g without a standard it is the page above, byte for byte.
std::vector<std::string> singleFruitReportLines(const Fruit& fruit, const AmountsOnBasis& amounts);
