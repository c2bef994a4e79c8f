#pragma once

#include <string>
#include <vector>

#include "data/fruit.h"

// The single-fruit report page: a heading, the energy and five tables of amounts per 100 g, in 19
// lines. The four microgram amounts are shown in milligrams.
std::vector<std::string> singleFruitReportLines(const Fruit& fruit);
