#pragma once
// The kinds of menu item (mainwin/menutable.h has the legend), shared with the catalogue's
// records, whose kind is that of the item that opens the window.
inline constexpr char MENU_GENERIC_TABLE = 'L';
inline constexpr char MENU_GENERIC_EDITOR = 'E';
inline constexpr char MENU_PORT_EDITOR = 'P';
inline constexpr char MENU_COMPILED_WINDOW = 'F';
inline constexpr char MENU_SIBLING_TOOL = 'T';
inline constexpr char MENU_DEVICE_ACTION = 'A';
inline constexpr char MENU_REFRESH = 'R';
inline constexpr char MENU_HELP = 'H';
inline constexpr char MENU_NOTHING = 'N';
