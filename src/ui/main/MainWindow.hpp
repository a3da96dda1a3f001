// The assembled main window: the one unit above the form that creates it and wires every
// handler (setting controls, menus, vehicle selection, start-up, editor, chart double-clicks,
// graph windows) into its controls. The form itself only builds its layout and its own
// navigation, so no part of the window needs to include the parts above it.
//
// Sub-folders of ui/main/, from the bottom up; a folder includes only folders listed above it
// (the layout also reads the Links menu's table of pages from menus/WebLinks):
//   form/      the form class with its own navigation between pages and tabs
//   layout/    the controls, containers, positions and captions (what a form designer holds)
//   inputs/    readers of the setting controls into model inputs, the handlers' state
//   displays/  captions and charts written from computed state, chart double-clicks
//   chain/     the analysis chain and the acceleration and deceleration runs
//   settings/  the setting controls' handlers and the setup-file commands
//   editor/    the vehicle editor
//   menus/     File, recent files, links, update check, vehicle photo and the other menus
//   startup/   the program's start and end, and the vehicle selection
#pragma once

namespace ui {

class Main;

// Attaches every handler that is not the form's own navigation to the window's controls, in
// the order the window relies on: the vehicle selector, the start-up and shut-down, the menus
// and the options entry, then (after the selectors' design-time choices) the setting handlers,
// the graph windows, the chart double-clicks and the vehicle editor.
void InstallMainWindowHandlers(Main& form);

// The one main window, created on first use with every handler installed and registered as
// GlobalChassisLab().MainForm.
Main& MainWindow();
// Destroys the main window (tests start each case from the design-time state).
void ResetMainWindow();

}  // namespace ui
