#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "session/toggles.h"

namespace gft {

class Session;

// The menus of the main window; the last ones are submenus.
enum class Menu : std::uint8_t {
    None,  // a button or key of a window, not in the menu bar
    File,
    Tools,
    Edit,
    Height,
    View,
    Settings,
    Log,
    Help,
    FileImport,
    FileExport,
    EditSelectMore,
    // Game-font effects:
    EditTransform,
    FileRecent,
};

struct MenuSpec {
    Menu menu;
    Menu parent;  // None for a menu of the menu bar
    const char* control;
    const char* caption;
    bool separatorBefore = false;  // a submenu's separator in its parent
};

// What the runner's word is followed by.
enum class RunnerArgument : std::uint8_t {
    None,
    Path,    // the rest of the line answers the command's file dialog
    Height,  // a font height 1..255 answers the command's question
    // Typefaces and glyph tools:
    Typeface,       // PATH SIZE [cp1250|cp1252|iso8859-2] answer the typeface dialog
    PathAndNumber,  // PATH [NUMBER]: the file dialog, then the number (default: suggested)
    Spacing,        // 0..8 answers the command's question
    // Game-font effects:
    ItalicStep,   // 1..8 answers the italic's question
    ScaleFactor,  // 2 or 3 answers the scale's question
    // PATH [ASCENT] [cp1250|cp1252|iso8859-2]: the file dialog, then the
    // TrueType export's questions (the rest as suggested)
    TrueType,
    Choice,  // [N]: item N (from 1) of the list the command shows; the first without
};

// One command the user can give: a menu item, a button or both. Its control
// name is the object name of its menu item or button (items of a control
// array add "_" and the index: mnuSelect_2).
struct CommandSpec {
    const char* control;
    Menu menu = Menu::None;
    bool separatorBefore = false;  // in its menu
    const char* caption = "";
    const char* shortcut = "";
    // The undo step the command makes, named for its caption; nullptr when
    // it makes none of its own.
    const char* undoName = nullptr;
    // The runner's words for it: "refresh", "select invert", "ed mirror-h";
    // nullptr when the runner has none.
    const char* runnerWord = nullptr;
    RunnerArgument argument = RunnerArgument::None;
    void (*run)(Session&) = nullptr;  // nullptr: shown, but disabled
    // nullptr: enabled whenever it has a run function.
    bool (*enabled)(const Session&) = nullptr;
    // A menu item that shows and flips an option instead of running a command.
    std::optional<Toggle> toggle = std::nullopt;
    // What a tool tip says it is for, in one line ("" none); a button names
    // the menu item it does the same as, whose key the tip gives.
    const char* purpose = "";
    const char* twin = nullptr;
};

// Every menu, in menu bar order, and every command, in menu order.
std::span<const MenuSpec> Menus();
std::span<const CommandSpec> Commands();

// The command with this control name; nullptr when there is none.
const CommandSpec* FindCommand(std::string_view control);
// The command with these runner words ("select invert"); nullptr when none.
const CommandSpec* FindRunnerCommand(std::string_view words);

bool IsEnabled(const Session& session, const CommandSpec& command);

// The key that runs a command: its own shortcut, its twin's, or Alt and the
// access key of its caption; "" without one.
std::string KeyOf(const CommandSpec& command);
// A tool tip: the purpose and, in parentheses, the key ("Load FNT & LOK...
// (Ctrl+O)"); "" for a command without a purpose.
std::string ToolTip(const CommandSpec& command);
// The tool tip of an option's check box, from its menu item.
std::string ToolTip(Toggle toggle);

// Runs a command as one undo step of its name. An option item flips its option.
// A command that runs out of memory fails alone: what it changed is undone,
// its "Error #7 on CONTROL" entry ("Out of memory") is logged, and the session
// goes on.
void RunCommand(Session& session, const CommandSpec& command);
// The same by control name; a name no command has does nothing.
void RunCommand(Session& session, std::string_view control);

}  // namespace gft
