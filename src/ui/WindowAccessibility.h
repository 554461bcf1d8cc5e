#pragma once

#include <QString>

class QComboBox;
class QTabBar;

// A control's caption as a screen reader should say it: without the mnemonic marker, the
// arrows of "Next >" and "<  Previous", a closing colon and runs of blanks.
QString spokenName(const QString& caption);

// Installs the accessibility interfaces this program gives its own: tab bars whose tabs tell
// whether they can be entered and which one is selected (Qt's own report every tab as the
// bar's state, and enter a disabled tab when asked), and the preview grid, which shows its
// 1000 x 100 cells but presents only those that hold the workbook's rows and columns.
// Installed once per process; call it before the window's controls are made.
void installWindowAccessibility();

// Tells an accessibility client that a tab was enabled or disabled.
void notifyTabEnabledChanged(QTabBar* bar, int index);

// Lets an accessibility client choose an item of a combo box by selecting it in the box's
// list (the list's items offer a toggle action), as a click in the open list would. Qt's
// combo box takes its choice only from clicks and keys in the open list.
void chooseByListSelection(QComboBox* combo);
