#pragma once

// Index lists record which check boxes or radio buttons of one group are checked, as the
// control positions of the checked ones in increasing order, each followed by ";" ("2;5;").

#include <string>
#include <string_view>

namespace qu {

class Control;

// Which controls of a group a list counts; every other child only holds its position.
enum class IndexKind { CheckBoxes, RadioButtons };

// "" when none is checked.
std::string encodeIndexList(const Control& group, IndexKind kind);

// Checks the controls the list names; never unchecks one. The list is taken as stored: each
// entry ends at a ";" (text after the last ";" is ignored); an entry that is not a decimal
// number, lies outside the group or names a control of another kind is skipped. Checking runs
// the controls' handlers as a user's click does.
void decodeIndexList(std::string_view list, Control& group, IndexKind kind);

}  // namespace qu
