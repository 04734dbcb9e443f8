#pragma once

class QAction;

// Moves item's mnemonic to the first letter of its text that no other item of its menus
// has, when its own is taken there; a mnemonic of its own is kept. A new item whose text
// is not translated yet keeps the English mnemonic, which another item may have in the
// player's language, and Alt with that letter would then reach only one of the two.
void GiveOwnMnemonic(QAction& item);
