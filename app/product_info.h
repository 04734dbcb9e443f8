#pragma once

#include "io/version.h"

// Who the program is: the names it shows, the names its settings are kept under, and the
// addresses it gives for further games and for questions.
namespace product {

inline constexpr char kName[] = "Wendrel";
inline constexpr char kVersionText[] = "Wendrel " WENDREL_SHOWN_VERSION;
inline constexpr char kRightsNotice[] = "Copyright (C) 2026 The Wendrel developers";
// The settings key that the program has always used; QSettings turns it into a folder on
// Linux and a registry key on Windows.
inline constexpr char kSettingsOrganisation[] = "Local AppWizard-Generated Applications";
// Lets Wayland desktops find the icon and menu entry that packaging installs.
inline constexpr char kDesktopFileName[] = "org.example.Wendrel";
inline constexpr char kGamesPage[] = "https://wendrel.example.org/games.html";
inline constexpr char kEmail[] = "wendrel@example.org";

}  // namespace product
