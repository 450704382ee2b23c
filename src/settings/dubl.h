#pragma once

#include <string>

namespace qu {

// Normalises a ";"-list: sorted, each item once, no closing ";".
//
// Items end at ";" and at every character from 1 to 32, runs of those skipped; an item that
// starts with a double quote runs to its closing quote, a doubled quote inside standing for
// one. An empty place between two ";" and a ";" at the very end give empty items. Items are
// ordered by their case-folded text (see foldCase) and the first of items equal without regard
// to case is kept. They are joined with ";": an item holding a blank, a control character,
// ";" or a double quote is quoted with its quotes doubled, a list of only the empty item is
// two double quotes, and a leading ";" (the empty item sorts first) is dropped.
std::string dubl(const std::string& list);

}  // namespace qu
