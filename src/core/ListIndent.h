#pragma once
// The leading spaces that align the record numbers of the catalogue lists.

#include <string>
#include <string_view>

// Four spaces up to 9, two from 10 to 99, none from 100 on.
std::string_view ListNumberIndent(int number);
// Two spaces up to 9, none from 10 on.
std::string_view ShortListNumberIndent(int number);

// "%s%d    %s": the indent, the record number, four spaces, the name.
std::string ListEntryText(std::string_view indent, int number, std::string_view name);
