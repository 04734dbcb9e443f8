#pragma once

// Marks a text that the game shows in the player's language. Qt's lupdate reads
// WENDREL_TRANSLATABLE("Context", "text") as QT_TRANSLATE_NOOP (see translations/), and the
// game translates the text under that context where it shows it; to plain C++ it is the
// text alone.
#define WENDREL_TRANSLATABLE(context, text) text
