#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// The desktop services the wizard needs, as free functions over Qt. None keeps state.

// A folder picker modal to owner, titled title, starting without a preselected folder. The
// chosen folder's path exactly as the platform gives it, or empty text on cancel.
QString PickFolder(QWidget* owner, const QString& title);

// The default save location: the user's Documents folder, or the home folder where there is
// none.
QString GetSpecialFolder();

// Hands a path or a web address to the desktop's handler for it; empty text does nothing and
// a failure shows nothing.
void OpenWithShell(const QString& target);

// What OpenWithShell opens for a target: a web address as it is, anything else as a local
// file. Invalid for empty text.
QUrl shellTargetUrl(const QString& target);

// The user guide shipped beside the program (in the build tree or installed), or empty text
// when it cannot be found.
QString userGuidePath();
