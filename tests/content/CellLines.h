// "C3: 565 m" for every cell of the land's map as each of the three rulers sees it; empty
// when the land cannot be read.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> cellLines(const std::string& countryXml);
