#pragma once

// Which letter key a key press is, as the Windows program's virtual key codes tell it: the
// letter of a Latin layout, and for any other layout (Russian types "ы" on the S key) the letter
// printed on that key of a US keyboard. So Alt+S works whatever the layout.

#include <QKeyEvent>

namespace qu {

// 'A' to 'Z', or 0 when the key is no letter key.
int letterKey(const QKeyEvent& event);

}  // namespace qu
