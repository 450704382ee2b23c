#pragma once

// Index lists record which check boxes or radio buttons of one group are checked, as the
// control positions of the checked ones in increasing order, each followed by ";" ("2;5;").

#include <string>
#include <string_view>
#include <vector>

namespace qu {

class Control;

// Which controls of a group a list counts; every other child only holds its position.
enum class IndexKind { CheckBoxes, RadioButtons };

// "" when none is checked.
std::string encodeIndexList(const Control& group, IndexKind kind);

// The positions a stored list names, in its order. Each entry ends at a ";" (text after the last
// ";" is ignored); an entry that is not a decimal number is skipped.
std::vector<int> indexListPositions(std::string_view list);

// Checks the controls the list names (indexListPositions); never unchecks one. A position outside
// the group or of a control of another kind is skipped. Checking runs
// the controls' handlers as a user's click does.
void decodeIndexList(std::string_view list, Control& group, IndexKind kind);

}  // namespace qu
