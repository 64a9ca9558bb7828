#include "ui/main/main_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <functional>

#include "app/shutdown.h"
#include "commands/editor/char_editor.h"
#include "commands/files/file_commands.h"
#include "commands/files/recovery.h"
#include "commands/files/save_font.h"
#include "commands/glyphs/block_copy.h"
#include "commands/glyphs/height_gap.h"
#include "commands/glyphs/selection.h"
#include "commands/window/about.h"
#include "commands/window/history_commands.h"
#include "commands/window/log_commands.h"
#include "commands/window/option_commands.h"
#include "commands/window/settings.h"
#include "commands/window/window_commands.h"

namespace gft::ui {

namespace {

// Adds the items of one menu; kept small so the tables below read like the
// menus themselves.
class MenuBuilder {
  public:
    MenuBuilder(QMenu* menu, Session& session, std::array<ToggleControls, kToggleCount>& toggles)
        : menu_(menu), session_(session), toggles_(toggles) {}

    QAction* Item(const char* name, const char* caption, const char* shortcut,
                  std::function<void(Session&)> command) {
        QAction* action = Make(name, caption, shortcut);
        Session& session = session_;
        QObject::connect(action, &QAction::triggered, action,
                         [&session, command] { command(session); });
        return action;
    }
    // An item that exists but has no command.
    QAction* Disabled(const char* name, const char* caption, const char* shortcut = "") {
        QAction* action = Make(name, caption, shortcut);
        action->setEnabled(false);
        return action;
    }
    QAction* Toggle(const char* name, const char* caption, gft::Toggle toggle,
                    const char* shortcut = "") {
        QAction* action = Make(name, caption, shortcut);
        action->setCheckable(true);
        action->setChecked(session_.On(toggle));
        toggles_[static_cast<std::size_t>(toggle)].mark = action;
        Session& session = session_;
        QObject::connect(action, &QAction::triggered, action,
                         [&session, toggle] { ClickToggle(session, toggle); });
        return action;
    }
    void Separator() { menu_->addSeparator(); }
    MenuBuilder Sub(const char* name, const char* caption) {
        QMenu* sub = menu_->addMenu(QString::fromUtf8(caption));
        sub->setObjectName(QString::fromLatin1(name));
        return MenuBuilder(sub, session_, toggles_);
    }

  private:
    QAction* Make(const char* name, const char* caption, const char* shortcut) {
        QAction* action = menu_->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        if (*shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        return action;
    }

    QMenu* menu_;
    Session& session_;
    std::array<ToggleControls, kToggleCount>& toggles_;
};

QString Indexed(const char* name, int index) {
    return QString::fromLatin1(name) + u'_' + QString::number(index);
}

void BuildFileMenu(MenuBuilder m) {
    m.Item("mnuNewFnt", "&New FNT", "Ctrl+N", AskNewFont);
    m.Item("mnuLoadFnt", "&Load FNT...", "Ctrl+O", LoadFont);
    m.Toggle("mnuUseSrcPath", "[Use source path for output]", Toggle::UseSrcPath);
    m.Item("mnuSaveFnt", "Save FNT", "Ctrl+S", SaveFont);
    m.Item("mnuSaveFntAs", "&Save FNT as...", "Ctrl+W", SaveFontAs);
    m.Toggle("mnuCompress", "[Store duplicates as one]", Toggle::Compress);
    m.Toggle("mnuSaveThisFormat", "[Save selection table (lok)]", Toggle::SaveThisFormat);
    m.Separator();
    m.Item("mnuMergeFnt", "&Merge FNT...", "Ctrl+M", MergeFont);
    m.Disabled("mnuMergeAll", "[Merge all (with compare)]");
    m.Separator();
    MenuBuilder import = m.Sub("mnuImport", "Import (over loaded FNT)");
    import.Disabled("mnuImportPix", "Pixelmap && width...");
    import.Item("mnuImportAtari", "Atar&i 8-bit FNT/F80...", "Ctrl+J", ImportAtariFont);
    import.Item("mnuImport8bit", "Any 8-bit font (no remap)", "Ctrl+K", ImportAnyEightBitFont);
    MenuBuilder exportMenu = m.Sub("mnuExport", "Export");
    exportMenu.Disabled("mnuExportBmp", "&Bitmap && width...");
    exportMenu.Disabled("mnuExportFony", "Bitmap for Fony...");
    exportMenu.Disabled("mnuExportAtari", "Atar&i 8-bit FNT...");
    exportMenu.Disabled("mnuExport8bit", "8-bit binary FNT...");
    m.Separator();
    // Enabled by the view while a copy of an ended run is on offer.
    m.Item("mnuRecover", "&Recover unsaved changes", "", RecoverUnsavedChanges)->setEnabled(false);
    m.Item("mnuDiscardRecovery", "&Discard recovered changes", "", DiscardRecoveredChanges)
        ->setEnabled(false);
    m.Separator();
    m.Item("mnuExit", "E&xit", "", RequestExit);
}

void BuildToolsMenu(MenuBuilder m) {
    m.Item("mnuCharEditor", "Edit character...", "F4", OpenCharEditor);
    m.Disabled("mnuHtmlGenerator", "Generate html...", "F3");
    m.Separator();
    m.Item("mnuCompareFnt", "&Compare FNT...", "F11", CompareFont);
    m.Toggle("mnuMarkDiff", "[Select different]", Toggle::MarkDiff);
    m.Separator();
    m.Item("mnuRefresh", "Refresh", "F5", Refresh);
}

void BuildEditMenu(MenuBuilder m) {
    // Enabled and named by the view whenever the history changes.
    m.Item("mnuUndo", "Undo", "Ctrl+Z", UndoLastStep)->setEnabled(false);
    m.Item("mnuRedo", "Redo", "Ctrl+Y", RedoNextStep)->setEnabled(false);
    m.Separator();
    const char* select[] = {"Select all", "&Unselect all", "Invert selection"};
    const char* selectKeys[] = {"Ctrl+A", "Ctrl+U", "Ctrl+I"};
    for (int i = 0; i < 3; ++i)
        m.Item("", select[i], selectKeys[i], [i](Session& s) {
             Select(s, static_cast<Selection>(i));
         })->setObjectName(Indexed("mnuSelect", i));
    m.Separator();
    const char* selectVar[] = {"Select present of width 0", "Select all errors",
                               "Select all present"};
    for (int i = 0; i < 3; ++i)
        m.Item("", selectVar[i], "", [i](Session& s) {
             SelectWhere(s, static_cast<GlyphKind>(i));
         })->setObjectName(Indexed("mnuSelectVar", i));
    m.Separator();
    MenuBuilder more = m.Sub("mnuSelectSpec", "Select more");
    const char* blocks[] = {"Block \"zero\"",       "Special",          "Digital",
                            "Upper case",           "Lower case",       "International part 1",
                            "International part 2", "International UC", "International LC"};
    for (int i = 0; i < 9; ++i)
        more.Item("", blocks[i], "", [i](Session& s) { SelectBlock(s, static_cast<CodeBlock>(i)); })
            ->setObjectName(Indexed("mnuSelSpec", i));
    more.Separator();
    more.Item("mnuSelectPL", "Polish", "Ctrl+P", SelectPolish);
    m.Separator();
    const char* copy[] = {"Copy upper case over lower case", "Copy international UC over LC block"};
    for (int i = 0; i < 2; ++i)
        m.Item("", copy[i], "", [i](Session& s) {
             CopyCapitalsOverSmall(s, static_cast<CaseBlock>(i));
         })->setObjectName(Indexed("mnuCopyBlock", i));
    m.Separator();
    m.Item("mnuDelAllSelected", "Delete all selected", "Shift+Ctrl+F8", DeleteSelected);
    m.Separator();
    m.Disabled("mnuImportLok", "Import selections (lok)...", "F9");
    m.Disabled("mnuExportLok", "Export selections (lok)...", "F12");
}

void BuildHeightMenu(MenuBuilder m) {
    struct Gap {
        const char* name;
        const char* caption;
        const char* key;
    };
    // mnuHGapU holds indices 0 and 1, mnuHGapD 2 and 3; the index goes to
    // the height command unchanged.
    const Gap gaps[] = {{"mnuHGapU", "Top gap Increase (+)", "Ctrl+F5"},
                        {"mnuHGapU", "Top gap Decrease (-)", "Shift+F5"},
                        {"mnuHGapD", "Down gap Increase (+)", "Ctrl+F6"},
                        {"mnuHGapD", "Down gap Decrease (-)", "Shift+F6"}};
    for (int i = 0; i < 4; ++i) {
        if (i == 2) m.Separator();
        m.Item("", gaps[i].caption, gaps[i].key, [i](Session& s) {
             ChangeHeight(s, i < 2 ? Edge::Top : Edge::Bottom,
                          i % 2 == 0 ? RowStep::Add : RowStep::Remove);
         })->setObjectName(Indexed(gaps[i].name, i));
    }
}

void BuildSettingsMenu(MenuBuilder m) {
    m.Item("mnuBaseFontSelect", "Set base font...", "F2", ChooseBaseFont);
    m.Separator();
    m.Toggle("mnuFrames", "[Show frames]", Toggle::Frames, "F7");
    m.Toggle("mnuDontCutBitmaps", "[Show invisible parts]", Toggle::DontCutBitmaps, "Shift+F8");
    m.Toggle("mnuYellowWidthMore8", "[Width > 8 = yellow]", Toggle::YellowWidthMore8, "F8");
    m.Separator();
    m.Item("mnuLoadSettings", "Load Settings", "", LoadSettings);
    m.Item("mnuSaveSettings", "Save Settings", "", SaveSettings);
}

void BuildLogMenu(MenuBuilder m) {
    m.Disabled("mnuLogCopyLine", "Copy line", "Ctrl+C");
    m.Item("mnuLogClear", "Clear log", "Shift+Del", ClearMessageLog);
    m.Toggle("mnuLogAutoScroll", "[Auto scroll log]", Toggle::LogAutoScroll);
}

void BuildHelpMenu(MenuBuilder m) {
    m.Item("mnuHomePage", "Visit Home...", "", VisitHomePage);
    m.Separator();
    m.Item("mnuAbout", "&About", "F1", ShowAbout);
}

}  // namespace

void BuildMainMenus(QMainWindow& window, Session& session,
                    std::array<ToggleControls, kToggleCount>& toggles) {
    QMenuBar* bar = window.menuBar();
    auto menu = [&](const char* name, const char* caption) {
        QMenu* m = bar->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        return MenuBuilder(m, session, toggles);
    };
    BuildFileMenu(menu("mnufile", "&File"));
    BuildToolsMenu(menu("mnuTools", "&Tools"));
    BuildEditMenu(menu("mnuEdit", "&Edit"));
    BuildHeightMenu(menu("mnuHeight", "He&ight"));
    BuildSettingsMenu(menu("mnuSettings", "Setti&ngs"));
    BuildLogMenu(menu("mnuLog", "Lo&g"));
    BuildHelpMenu(menu("mnuHelp", "&Help"));
}

}  // namespace gft::ui
