#pragma once

class QCoreApplication;

namespace kestrel {

// Loads Qt's own Japanese texts (the buttons of message boxes, the file dialogs) from Qt's
// translation folder, whatever the desktop's language: the program speaks Japanese throughout.
// False when the translations are not installed (Qt's English texts then stay).
bool InstallQtTranslations(QCoreApplication& app);

} // namespace kestrel
