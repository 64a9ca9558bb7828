// Every command of the program, once: where its menu item or button sits,
// what it says, its key, the undo step it makes and the runner's words for
// it. The menus, the buttons, the runner and the history all read this.
#include "commands/command_table.h"

#include <algorithm>
#include <array>
#include <new>
#include <optional>

#include "commands/editor/apply.h"
#include "commands/editor/char_editor.h"
#include "commands/editor/column_moves.h"
#include "commands/editor/fill_commands.h"
#include "commands/editor/mirror.h"
#include "commands/editor/row_moves.h"
#include "commands/editor/width_commands.h"
#include "commands/files/export_commands.h"
#include "commands/files/export_truetype.h"
#include "commands/files/file_commands.h"
#include "commands/files/pixmap_import.h"
#include "commands/files/recent_fonts.h"
#include "commands/files/recovery.h"
#include "commands/files/save_font.h"
#include "commands/files/selection_import.h"
#include "commands/files/typeface_commands.h"
#include "commands/glyphs/block_copy.h"
#include "commands/glyphs/clipboard_commands.h"
#include "commands/glyphs/font_scale.h"
#include "commands/glyphs/glyph_tools.h"
#include "commands/glyphs/grid_keys.h"
#include "commands/glyphs/height_gap.h"
#include "commands/glyphs/selection.h"
#include "commands/glyphs/transforms.h"
#include "commands/window/about.h"
#include "commands/window/copy_line.h"
#include "commands/window/history_commands.h"
#include "commands/window/log_commands.h"
#include "commands/window/option_commands.h"
#include "commands/window/settings.h"
#include "commands/window/text_preview.h"
#include "commands/window/window_commands.h"
#include "session/change_marks.h"
#include "session/notices.h"
#include "session/session.h"
#include "session/undo_step.h"
#include "support/app_error.h"

namespace gft {

namespace {

using R = RunnerArgument;

// Commands that read or write the font are greyed out until there is one.
bool FontIsLoaded(const Session& session) {
    return session.font.FontLoaded;
}

const MenuSpec kMenus[] = {
    {Menu::File, Menu::None, "mnufile", "&File"},
    {Menu::Tools, Menu::None, "mnuTools", "&Tools"},
    {Menu::Edit, Menu::None, "mnuEdit", "&Edit"},
    {Menu::Height, Menu::None, "mnuHeight", "He&ight"},
    {Menu::View, Menu::None, "mnuView", "&View"},
    {Menu::Settings, Menu::None, "mnuSettings", "Setti&ngs"},
    {Menu::Log, Menu::None, "mnuLog", "Lo&g"},
    {Menu::Help, Menu::None, "mnuHelp", "&Help"},
    {Menu::FileImport, Menu::File, "mnuImport", "Import (over loaded FNT)", true},
    {Menu::FileExport, Menu::File, "mnuExport", "Export"},
    {Menu::EditSelectMore, Menu::Edit, "mnuSelectSpec", "Select more", true},
    // Game-font effects
    {Menu::EditTransform, Menu::Edit, "mnuTransform", "Transform", true},
    {Menu::FileRecent, Menu::File, "mnuRecentFonts", "Recent fonts"},
};

template <CodeBlock block>
void SelectBlockOf(Session& session) {
    SelectBlock(session, block);
}

// Entry index of File > "Recent fonts"; its caption is the font's path.
template <std::size_t index>
constexpr CommandSpec RecentFontItem(const char* control, const char* shortcut, const char* word) {
    return {.control = control,
            .menu = Menu::FileRecent,
            .shortcut = shortcut,
            .undoName = "Load FNT",
            .runnerWord = word,
            .run = [](Session& s) { OpenRecentFont(s, index); }};
}

// "Revert to saved" has something to do only while a glyph differs from the file.
bool AnyGlyphChanged(const Session& session) {
    return session.font.FontLoaded && !ChangedCodes(session).empty();
}

const CommandSpec kCommands[] = {
    // File
    {.control = "mnuNewFnt",
     .menu = Menu::File,
     .caption = "&New FNT",
     .shortcut = "Ctrl+N",
     .runnerWord = "new",
     .argument = R::Height,
     .run = AskNewFont},
    {.control = "mnuLoadFnt",
     .menu = Menu::File,
     .caption = "&Load FNT...",
     .shortcut = "Ctrl+O",
     .undoName = "Load FNT",
     .runnerWord = "load",
     .argument = R::Path,
     .run = LoadFont},
    RecentFontItem<0>("mnuRecent_0", "Ctrl+1", "open-recent 1"),
    RecentFontItem<1>("mnuRecent_1", "Ctrl+2", "open-recent 2"),
    RecentFontItem<2>("mnuRecent_2", "Ctrl+3", "open-recent 3"),
    RecentFontItem<3>("mnuRecent_3", "Ctrl+4", "open-recent 4"),
    RecentFontItem<4>("mnuRecent_4", "Ctrl+5", "open-recent 5"),
    RecentFontItem<5>("mnuRecent_5", "Ctrl+6", "open-recent 6"),
    RecentFontItem<6>("mnuRecent_6", "Ctrl+7", "open-recent 7"),
    RecentFontItem<7>("mnuRecent_7", "Ctrl+8", "open-recent 8"),
    {.control = "mnuClearRecent",
     .menu = Menu::FileRecent,
     .separatorBefore = true,
     .caption = "Clear list",
     .runnerWord = "clear-recent",
     .run = ClearRecentFonts},
    {.control = "mnuUseSrcPath",
     .menu = Menu::File,
     .caption = "[Use source path for output]",
     .toggle = Toggle::UseSrcPath,
     .purpose = "Save over the font last loaded"},
    {.control = "mnuSaveFnt",
     .menu = Menu::File,
     .caption = "Save FNT",
     .shortcut = "Ctrl+S",
     .runnerWord = "quick-save",
     .run = SaveFont},
    {.control = "mnuSaveFntAs",
     .menu = Menu::File,
     .caption = "&Save FNT as...",
     .shortcut = "Ctrl+W",
     .runnerWord = "save",
     .argument = R::Path,
     .run = SaveFontAs},
    {.control = "mnuCompress",
     .menu = Menu::File,
     .caption = "[Store duplicates as one]",
     .toggle = Toggle::Compress,
     .purpose = "Save glyphs of the same pixels once, sharing their data"},
    {.control = "mnuSaveThisFormat",
     .menu = Menu::File,
     .caption = "[Save selection table (lok)]",
     .toggle = Toggle::SaveThisFormat,
     .purpose = "Save the selection in a .lok file beside the font"},
    {.control = "mnuMergeFnt",
     .menu = Menu::File,
     .separatorBefore = true,
     .caption = "&Merge FNT...",
     .shortcut = "Ctrl+M",
     .undoName = "Merge FNT",
     .runnerWord = "merge",
     .argument = R::Path,
     .run = MergeFont},
    {.control = "mnuMergeAll",
     .menu = Menu::File,
     .caption = "[Merge all (with compare)]",
     .toggle = Toggle::MergeAll,
     .purpose = "Merge takes every glyph of the other font, not only the missing ones"},
    {.control = "mnuImportPix",
     .menu = Menu::FileImport,
     .caption = "Pixelmap && width...",
     .undoName = "Pixelmap & width",
     .runnerWord = "import-pixmap",
     .argument = R::Path,
     .run = ImportPixmap,
     .enabled = FontIsLoaded},
    {.control = "mnuImportAtari",
     .menu = Menu::FileImport,
     .caption = "Atar&i 8-bit FNT/F80...",
     .shortcut = "Ctrl+J",
     .undoName = "Atari 8-bit FNT/F80",
     .runnerWord = "import-atari",
     .argument = R::Path,
     .run = ImportAtariFont,
     .enabled = FontIsLoaded},
    {.control = "mnuImport8bit",
     .menu = Menu::FileImport,
     .caption = "Any 8-bit font (no remap)",
     .shortcut = "Ctrl+K",
     .undoName = "Any 8-bit font (no remap)",
     .runnerWord = "import-8bit",
     .argument = R::Path,
     .run = ImportAnyEightBitFont,
     .enabled = FontIsLoaded},
    // Typefaces
    {.control = "mnuImportTypeface",
     .menu = Menu::FileImport,
     .caption = "Typeface (TTF, OTF, BDF, PCF)...",
     .shortcut = "Ctrl+T",
     .undoName = "Import typeface",
     .runnerWord = "import-font",
     .argument = R::Typeface,
     .run = AskImportTypeface},
    {.control = "mnuExportBmp",
     .menu = Menu::FileExport,
     .caption = "&Bitmap && width...",
     .runnerWord = "export-bitmap",
     .argument = R::Path,
     .run = ExportBitmap,
     .enabled = FontIsLoaded},
    {.control = "mnuExportFony",
     .menu = Menu::FileExport,
     .caption = "Bitmap for Fony...",
     .runnerWord = "export-grid",
     .argument = R::Path,
     .run = ExportGrid,
     .enabled = FontIsLoaded},
    {.control = "mnuExportAtari",
     .menu = Menu::FileExport,
     .caption = "Atar&i 8-bit FNT...",
     .runnerWord = "export-atari",
     .argument = R::Path,
     .run = ExportAtari,
     .enabled = FontIsLoaded},
    {.control = "mnuExport8bit",
     .menu = Menu::FileExport,
     .caption = "8-bit binary FNT...",
     .runnerWord = "export-8bit",
     .argument = R::Path,
     .run = ExportEightBit,
     .enabled = FontIsLoaded},
    {.control = "mnuExportBdf",
     .menu = Menu::FileExport,
     .caption = "BDF font...",
     .runnerWord = "export-bdf",
     .argument = R::PathAndNumber,
     .run = AskExportBdf,
     .enabled = FontIsLoaded},
    {.control = "mnuExportTtf",
     .menu = Menu::FileExport,
     .caption = "TrueType font (TTF)...",
     .runnerWord = "export-ttf",
     .argument = R::TrueType,
     .run = AskExportTrueType,
     .enabled = FontIsLoaded},
    {.control = "mnuRecover",
     .menu = Menu::File,
     .separatorBefore = true,
     .caption = "&Recover unsaved changes",
     .runnerWord = "recover",
     .argument = R::Choice,
     .run = RecoverUnsavedChanges,
     .enabled = RecoveryOnOffer},
    {.control = "mnuDiscardRecovery",
     .menu = Menu::File,
     .caption = "&Discard recovered changes",
     .runnerWord = "discard-recovery",
     .argument = R::Choice,
     .run = DiscardRecoveredChanges,
     .enabled = RecoveryOnOffer},
    {.control = "mnuExit",
     .menu = Menu::File,
     .separatorBefore = true,
     .caption = "E&xit",
     .run = RequestExit},

    // Tools
    {.control = "mnuCharEditor",
     .menu = Menu::Tools,
     .caption = "Edit character...",
     .shortcut = "F4",
     .run = EditCharacter},
    {.control = "mnuHtmlGenerator",
     .menu = Menu::Tools,
     .caption = "Generate html...",
     .shortcut = "F3",
     .runnerWord = "html",
     .argument = R::Path,
     .run = GenerateHtml,
     .enabled = FontIsLoaded},
    {.control = "mnuCompareFnt",
     .menu = Menu::Tools,
     .separatorBefore = true,
     .caption = "&Compare FNT...",
     .shortcut = "F11",
     .undoName = "Compare FNT",
     .runnerWord = "compare",
     .argument = R::Path,
     .run = CompareFont},
    {.control = "mnuMarkDiff",
     .menu = Menu::Tools,
     .caption = "[Select different]",
     .toggle = Toggle::MarkDiff,
     .purpose = "Compare selects the glyphs that differ"},
    {.control = "mnuRefresh",
     .menu = Menu::Tools,
     .separatorBefore = true,
     .caption = "Refresh",
     .shortcut = "F5",
     .runnerWord = "refresh",
     .run = Refresh},
    // Glyph tools
    {.control = "mnuFindDuplicates",
     .menu = Menu::Tools,
     .separatorBefore = true,
     .caption = "Find duplicates",
     .undoName = "Find duplicates",
     .runnerWord = "find-duplicates",
     .run = FindDuplicates,
     .enabled = FontIsLoaded},

    // Edit
    {.control = "mnuUndo",
     .menu = Menu::Edit,
     .caption = "Undo",
     .shortcut = "Ctrl+Z",
     .runnerWord = "undo",
     .run = UndoLastStep,
     .enabled = [](const Session& s) { return s.history.CanUndo(); }},
    {.control = "mnuRedo",
     .menu = Menu::Edit,
     .caption = "Redo",
     .shortcut = "Ctrl+Y",
     .runnerWord = "redo",
     .run = RedoNextStep,
     .enabled = [](const Session& s) { return s.history.CanRedo(); }},
    {.control = "mnuSelect_0",
     .menu = Menu::Edit,
     .separatorBefore = true,
     .caption = "Select all",
     .shortcut = "Ctrl+A",
     .undoName = "Select all",
     .runnerWord = "select all",
     .run = [](Session& s) { Select(s, Selection::All); }},
    {.control = "mnuSelect_1",
     .menu = Menu::Edit,
     .caption = "&Unselect all",
     .shortcut = "Ctrl+U",
     .undoName = "Unselect all",
     .runnerWord = "select none",
     .run = [](Session& s) { Select(s, Selection::None); }},
    {.control = "mnuSelect_2",
     .menu = Menu::Edit,
     .caption = "Invert selection",
     .shortcut = "Ctrl+I",
     .undoName = "Invert selection",
     .runnerWord = "select invert",
     .run = [](Session& s) { Select(s, Selection::Invert); }},
    {.control = "mnuSelectVar_0",
     .menu = Menu::Edit,
     .separatorBefore = true,
     .caption = "Select present of width 0",
     .undoName = "Select present of width 0",
     .runnerWord = "select-where width0",
     .run = [](Session& s) { SelectWhere(s, GlyphKind::PresentOfWidth0); }},
    {.control = "mnuSelectVar_1",
     .menu = Menu::Edit,
     .caption = "Select all errors",
     .undoName = "Select all errors",
     .runnerWord = "select-where errors",
     .run = [](Session& s) { SelectWhere(s, GlyphKind::WithError); }},
    {.control = "mnuSelectVar_2",
     .menu = Menu::Edit,
     .caption = "Select all present",
     .undoName = "Select all present",
     .runnerWord = "select-where present",
     .run = [](Session& s) { SelectWhere(s, GlyphKind::Present); }},
    {.control = "mnuSelSpec_0",
     .menu = Menu::EditSelectMore,
     .caption = "Block \"zero\"",
     .undoName = "Block \"zero\"",
     .runnerWord = "select-block 0",
     .run = SelectBlockOf<CodeBlock::Controls>},
    {.control = "mnuSelSpec_1",
     .menu = Menu::EditSelectMore,
     .caption = "Special",
     .undoName = "Special",
     .runnerWord = "select-block 1",
     .run = SelectBlockOf<CodeBlock::Special>},
    {.control = "mnuSelSpec_2",
     .menu = Menu::EditSelectMore,
     .caption = "Digital",
     .undoName = "Digital",
     .runnerWord = "select-block 2",
     .run = SelectBlockOf<CodeBlock::Digits>},
    {.control = "mnuSelSpec_3",
     .menu = Menu::EditSelectMore,
     .caption = "Upper case",
     .undoName = "Upper case",
     .runnerWord = "select-block 3",
     .run = SelectBlockOf<CodeBlock::UpperCase>},
    {.control = "mnuSelSpec_4",
     .menu = Menu::EditSelectMore,
     .caption = "Lower case",
     .undoName = "Lower case",
     .runnerWord = "select-block 4",
     .run = SelectBlockOf<CodeBlock::LowerCase>},
    {.control = "mnuSelSpec_5",
     .menu = Menu::EditSelectMore,
     .caption = "International part 1",
     .undoName = "International part 1",
     .runnerWord = "select-block 5",
     .run = SelectBlockOf<CodeBlock::International1>},
    {.control = "mnuSelSpec_6",
     .menu = Menu::EditSelectMore,
     .caption = "International part 2",
     .undoName = "International part 2",
     .runnerWord = "select-block 6",
     .run = SelectBlockOf<CodeBlock::International2>},
    {.control = "mnuSelSpec_7",
     .menu = Menu::EditSelectMore,
     .caption = "International UC",
     .undoName = "International UC",
     .runnerWord = "select-block 7",
     .run = SelectBlockOf<CodeBlock::InternationalUpper>},
    {.control = "mnuSelSpec_8",
     .menu = Menu::EditSelectMore,
     .caption = "International LC",
     .undoName = "International LC",
     .runnerWord = "select-block 8",
     .run = SelectBlockOf<CodeBlock::InternationalLower>},
    {.control = "mnuSelectPL",
     .menu = Menu::EditSelectMore,
     .separatorBefore = true,
     .caption = "Polish",
     .shortcut = "Ctrl+P",
     .undoName = "Polish",
     .runnerWord = "select-polish",
     .run = SelectPolish},
    {.control = "mnuCopyBlock_0",
     .menu = Menu::Edit,
     .separatorBefore = true,
     .caption = "Copy upper case over lower case",
     .undoName = "Copy upper case over lower case",
     .runnerWord = "copy-block 0",
     .run = [](Session& s) { CopyCapitalsOverSmall(s, CaseBlock::Ascii); }},
    {.control = "mnuCopyBlock_1",
     .menu = Menu::Edit,
     .caption = "Copy international UC over LC block",
     .undoName = "Copy international UC over LC block",
     .runnerWord = "copy-block 1",
     .run = [](Session& s) { CopyCapitalsOverSmall(s, CaseBlock::International); }},
    {.control = "mnuDelAllSelected",
     .menu = Menu::Edit,
     .separatorBefore = true,
     .caption = "Delete all selected",
     .shortcut = "Shift+Ctrl+F8",
     .undoName = "Delete all selected",
     .runnerWord = "delete-selected",
     .run = DeleteSelected},
    // Glyphs through the clipboard
    {.control = "mnuCopyChars",
     .menu = Menu::Edit,
     .separatorBefore = true,
     .caption = "Copy characters",
     .shortcut = "Ctrl+Shift+C",
     .runnerWord = "copy-chars",
     .run = CopyCharacters},
    {.control = "mnuPasteChars",
     .menu = Menu::Edit,
     .caption = "Paste characters",
     .shortcut = "Ctrl+Shift+V",
     .undoName = "Paste characters",
     .runnerWord = "paste-chars",
     .run = PasteCharacters},
    {.control = "mnuImportLok",
     .menu = Menu::Edit,
     .separatorBefore = true,
     .caption = "Import selections (lok)...",
     .shortcut = "F9",
     .undoName = "Import selections (lok)",
     .runnerWord = "import-lok",
     .argument = R::Path,
     .run = ImportSelections,
     .enabled = FontIsLoaded},
    {.control = "mnuExportLok",
     .menu = Menu::Edit,
     .caption = "Export selections (lok)...",
     .shortcut = "F12",
     .runnerWord = "export-lok",
     .argument = R::Path,
     .run = ExportSelections,
     .enabled = FontIsLoaded},
    // Change marks and glyph tools
    {.control = "mnuRevertToSaved",
     .menu = Menu::Edit,
     .separatorBefore = true,
     .caption = "Revert to saved",
     .undoName = "Revert to saved",
     .run = RevertToSaved,
     .enabled = AnyGlyphChanged},
    {.control = "mnuFitWidthToInk",
     .menu = Menu::Edit,
     .caption = "Fit width to ink...",
     .undoName = "Fit width to ink",
     .runnerWord = "fit-width",
     .argument = R::Spacing,
     .run = AskFitWidthToInk,
     .enabled = FontIsLoaded},
    // Game-font effects (Edit > Transform)
    {.control = "mnuBold",
     .menu = Menu::EditTransform,
     .caption = "Bold",
     .undoName = "Bold",
     .runnerWord = "bold",
     .run = [](Session& s) { ApplyGlyphEffect(s, GlyphEffect::Bold); },
     .enabled = FontIsLoaded},
    {.control = "mnuItalic",
     .menu = Menu::EditTransform,
     .caption = "Italic...",
     .undoName = "Italic",
     .runnerWord = "italic",
     .argument = R::ItalicStep,
     .run = AskItalic,
     .enabled = FontIsLoaded},
    {.control = "mnuOutline",
     .menu = Menu::EditTransform,
     .caption = "Outline",
     .undoName = "Outline",
     .runnerWord = "outline",
     .run = [](Session& s) { ApplyGlyphEffect(s, GlyphEffect::Outline); },
     .enabled = FontIsLoaded},
    {.control = "mnuShadow",
     .menu = Menu::EditTransform,
     .caption = "Shadow",
     .undoName = "Shadow",
     .runnerWord = "shadow",
     .run = [](Session& s) { ApplyGlyphEffect(s, GlyphEffect::Shadow); },
     .enabled = FontIsLoaded},
    {.control = "mnuInvert",
     .menu = Menu::EditTransform,
     .caption = "Invert",
     .undoName = "Invert",
     .runnerWord = "invert",
     .run = [](Session& s) { ApplyGlyphEffect(s, GlyphEffect::Invert); },
     .enabled = FontIsLoaded},
    {.control = "mnuScaleFont",
     .menu = Menu::EditTransform,
     .separatorBefore = true,
     .caption = "Scale font...",
     .undoName = "Scale font",
     .runnerWord = "scale",
     .argument = R::ScaleFactor,
     .run = AskScaleFont,
     .enabled = FontIsLoaded},

    // Height
    {.control = "mnuHGapU_0",
     .menu = Menu::Height,
     .caption = "Top gap Increase (+)",
     .shortcut = "Ctrl+F5",
     .undoName = "Top gap Increase (+)",
     .runnerWord = "height 0",
     .run = [](Session& s) { ChangeHeight(s, Edge::Top, RowStep::Add); }},
    {.control = "mnuHGapU_1",
     .menu = Menu::Height,
     .caption = "Top gap Decrease (-)",
     .shortcut = "Shift+F5",
     .undoName = "Top gap Decrease (-)",
     .runnerWord = "height 1",
     .run = [](Session& s) { ChangeHeight(s, Edge::Top, RowStep::Remove); }},
    {.control = "mnuHGapD_2",
     .menu = Menu::Height,
     .separatorBefore = true,
     .caption = "Down gap Increase (+)",
     .shortcut = "Ctrl+F6",
     .undoName = "Down gap Increase (+)",
     .runnerWord = "height 2",
     .run = [](Session& s) { ChangeHeight(s, Edge::Bottom, RowStep::Add); }},
    {.control = "mnuHGapD_3",
     .menu = Menu::Height,
     .caption = "Down gap Decrease (-)",
     .shortcut = "Shift+F6",
     .undoName = "Down gap Decrease (-)",
     .runnerWord = "height 3",
     .run = [](Session& s) { ChangeHeight(s, Edge::Bottom, RowStep::Remove); }},

    // View
    {.control = "mnuTextPreview",
     .menu = Menu::View,
     .caption = "Text preview",
     .shortcut = "F10",
     .run = ShowTextPreview},

    // Settings
    {.control = "mnuBaseFontSelect",
     .menu = Menu::Settings,
     .caption = "Set base font...",
     .shortcut = "F2",
     .run = ChooseBaseFont},
    {.control = "mnuFrames",
     .menu = Menu::Settings,
     .separatorBefore = true,
     .caption = "[Show frames]",
     .shortcut = "F7",
     .toggle = Toggle::Frames,
     .purpose = "Draw a frame round every tile"},
    {.control = "mnuDontCutBitmaps",
     .menu = Menu::Settings,
     .caption = "[Show invisible parts]",
     .shortcut = "Shift+F8",
     .toggle = Toggle::DontCutBitmaps},
    {.control = "mnuYellowWidthMore8",
     .menu = Menu::Settings,
     .caption = "[Width > 8 = yellow]",
     .shortcut = "F8",
     .toggle = Toggle::YellowWidthMore8},
    {.control = "mnuLoadSettings",
     .menu = Menu::Settings,
     .separatorBefore = true,
     .caption = "Load Settings",
     .runnerWord = "load-settings",
     .run = LoadSettings},
    {.control = "mnuSaveSettings",
     .menu = Menu::Settings,
     .caption = "Save Settings",
     .runnerWord = "save-settings",
     .run = SaveSettings},
    {.control = "mnuKeepProportions",
     .menu = Menu::Settings,
     .caption = "[Keep tile proportions]",
     .toggle = Toggle::KeepProportions},

    // Log
    {.control = "mnuLogCopyLine",
     .menu = Menu::Log,
     .caption = "Copy line",
     .shortcut = "Ctrl+C",
     .run = CopyLogLine},
    {.control = "mnuLogClear",
     .menu = Menu::Log,
     .caption = "Clear log",
     .shortcut = "Shift+Del",
     .runnerWord = "clear-log",
     .run = ClearMessageLog},
    {.control = "mnuLogAutoScroll",
     .menu = Menu::Log,
     .caption = "[Auto scroll log]",
     .toggle = Toggle::LogAutoScroll,
     .purpose = "Keep the newest log line in view"},

    // Help
    {.control = "mnuHomePage",
     .menu = Menu::Help,
     .caption = "Visit Home...",
     .run = VisitHomePage},
    {.control = "mnuAbout",
     .menu = Menu::Help,
     .separatorBefore = true,
     .caption = "&About",
     .shortcut = "F1",
     .run = ShowAbout},

    // The main window's buttons
    {.control = "cmdLoadFNT",
     .caption = "&Load FNT...",
     .undoName = "Load FNT",
     .run = LoadFont,
     .purpose = "Load FNT & LOK...",
     .twin = "mnuLoadFnt"},
    {.control = "cmdSaveFNT",
     .caption = "&Save FNT...",
     .run = SaveFontAs,
     .purpose = "Save FNT & LOK if set and needed...",
     .twin = "mnuSaveFntAs"},
    {.control = "cmdCmpFNT",
     .caption = "&Compare FNT...",
     .undoName = "Compare FNT",
     .run = CompareFont,
     .purpose = "Compare current FNT with other...",
     .twin = "mnuCompareFnt"},
    {.control = "cmdMergeFNT",
     .caption = "&Merge FNT...",
     .undoName = "Merge FNT",
     .run = MergeFont,
     .purpose = "Merge current FNT with other...",
     .twin = "mnuMergeFnt"},
    {.control = "cmdUnlockAll",
     .caption = "&Unselect All",
     .undoName = "Unselect All",
     .run = [](Session& s) { Select(s, Selection::None); },
     .purpose = "Clear the selection of every glyph",
     .twin = "mnuSelect_1"},
    {.control = "cmdClrLog",
     .caption = "Clear log",
     .run = ClearMessageLog,
     .purpose = "Empty the message log",
     .twin = "mnuLogClear"},

    // The character editor's buttons; an edit makes an undo step only when
    // "[Auto apply]" takes it into the font.
    {.control = "cmdMoveH_0",
     .caption = "Move &up",
     .runnerWord = "ed up",
     .run = [](Session& s) { ShiftRows(s, RowShift::Up); },
     .purpose = "Move the glyph up a row"},
    {.control = "cmdMoveH_1",
     .caption = "Move &down",
     .runnerWord = "ed down",
     .run = [](Session& s) { ShiftRows(s, RowShift::Down); },
     .purpose = "Move the glyph down a row"},
    {.control = "cmdMoveV_0",
     .caption = "Move left",
     .runnerWord = "ed left",
     .run = [](Session& s) { ShiftColumns(s, ColumnShift::Left); },
     .purpose = "Move the glyph left a column"},
    {.control = "cmdMoveV_1",
     .caption = "Move right",
     .runnerWord = "ed right",
     .run = [](Session& s) { ShiftColumns(s, ColumnShift::Right); },
     .purpose = "Move the glyph right a column"},
    {.control = "cmdChangeChr_0",
     .caption = "&< Prev char",
     .runnerWord = "ed prev",
     .run = [](Session& s) { GoToNeighbour(s, Neighbour::Previous); },
     .purpose = "Edit the glyph before this one"},
    {.control = "cmdChangeChr_1",
     .caption = "Next char &>",
     .runnerWord = "ed next",
     .run = [](Session& s) { GoToNeighbour(s, Neighbour::Next); },
     .purpose = "Edit the glyph after this one"},
    {.control = "cmdApply",
     .caption = "&Apply",
     .undoName = "Apply",
     .runnerWord = "ed apply",
     .run = ApplyGlyph,
     .purpose = "Put the edited glyph into the font"},
    {.control = "cmdMirror_0",
     .caption = "Mirror &H",
     .runnerWord = "ed mirror-h",
     .run = [](Session& s) { MirrorGlyph(s, Axis::Horizontal); },
     .purpose = "Mirror left to right"},
    {.control = "cmdMirror_1",
     .caption = "Mirror &V",
     .runnerWord = "ed mirror-v",
     .run = [](Session& s) { MirrorGlyph(s, Axis::Vertical); },
     .purpose = "Mirror top to bottom"},
    {.control = "cmdInverse",
     .caption = "&Inverse",
     .runnerWord = "ed inverse",
     .run = InvertGlyph,
     .purpose = "Invert every pixel"},
    {.control = "cmdDelChr",
     .caption = "Delete",
     .runnerWord = "ed delete",
     .run = EraseGlyph,
     .purpose = "Make the glyph absent"},
    {.control = "cmdRestore",
     .caption = "&Restore",
     .runnerWord = "ed restore",
     .run = RestoreGlyph,
     .purpose = "Back to the glyph as it was opened"},
    {.control = "cmdWidth_0",
     .caption = "Width &-",
     .runnerWord = "ed width-",
     .run = [](Session& s) { ChangeWidth(s, WidthStep::Narrower); },
     .purpose = "One column narrower"},
    {.control = "cmdWidth_1",
     .caption = "Width &+",
     .runnerWord = "ed width+",
     .run = [](Session& s) { ChangeWidth(s, WidthStep::Wider); },
     .purpose = "One column wider"},
    {.control = "cmdFixWidth",
     .caption = "Fix &Width",
     .runnerWord = "ed fix-width",
     .run = FitWidth,
     .purpose = "Narrow the width to the ink"},
    {.control = "cmdClrOutside",
     .caption = "Clear &outside",
     .runnerWord = "ed clear-outside",
     .run = ClearBeyondWidth,
     .purpose = "Clear the pixels beyond the width"},
    {.control = "cmdClear",
     .caption = "Clear",
     .runnerWord = "ed clear",
     .run = ClearGlyph,
     .purpose = "Clear every pixel"},
    {.control = "cmdCloseCE",
     .caption = "&Close",
     .run = HideCharEditor,
     .purpose = "Hide the editor"},
};

}  // namespace

std::span<const MenuSpec> Menus() {
    return kMenus;
}

std::span<const CommandSpec> Commands() {
    return kCommands;
}

const CommandSpec* FindCommand(std::string_view control) {
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [control](const auto& c) { return control == c.control; });
    return found == std::end(kCommands) ? nullptr : &*found;
}

const CommandSpec* FindRunnerCommand(std::string_view words) {
    const auto found = std::find_if(
        std::begin(kCommands), std::end(kCommands),
        [words](const auto& c) { return c.runnerWord != nullptr && words == c.runnerWord; });
    return found == std::end(kCommands) ? nullptr : &*found;
}

bool IsEnabled(const Session& session, const CommandSpec& command) {
    if (command.run == nullptr && !command.toggle) return false;
    return command.enabled == nullptr || command.enabled(session);
}

std::string KeyOf(const CommandSpec& command) {
    if (*command.shortcut) return command.shortcut;
    if (command.twin != nullptr)
        if (const CommandSpec* twin = FindCommand(command.twin)) return KeyOf(*twin);
    const std::string_view caption = command.caption;
    for (std::size_t at = caption.find('&');
         at != std::string_view::npos && at + 1 < caption.size(); at = caption.find('&', at + 2))
        if (caption[at + 1] != '&') return std::string("Alt+") + caption[at + 1];
    return {};
}

std::string ToolTip(const CommandSpec& command) {
    if (!*command.purpose) return {};
    const std::string key = KeyOf(command);
    return key.empty() ? command.purpose : std::string(command.purpose) + " (" + key + ")";
}

std::string ToolTip(Toggle toggle) {
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [toggle](const auto& c) { return c.toggle == toggle; });
    return found == std::end(kCommands) ? std::string() : ToolTip(*found);
}

void RunCommand(Session& session, const CommandSpec& command) {
    BeginCommand(session);
    if (command.toggle) return ClickToggle(session, *command.toggle);
    if (command.run == nullptr) return;
    std::optional<UndoStep> step;
    if (command.undoName != nullptr) step.emplace(session, command.undoName);
    try {
        command.run(session);
    } catch (const std::bad_alloc&) {
        if (step) step->Abandon();
        session.Log(AppError::OutOfMemory(command.control).LogEntry());
    }
}

void RunCommand(Session& session, std::string_view control) {
    if (const CommandSpec* command = FindCommand(control)) RunCommand(session, *command);
}

}  // namespace gft
